// How a step that changes the machine ended, as the program logic sees it.
#pragma once

namespace typelens {

// Lack of rights is told apart from other failures: a font the machine refuses can still be
// installed for the user alone. A copy whose source cannot be read (locked by another program,
// waiting to be deleted) is Unreadable, whatever rights there are to the destination.
enum class Outcome { Done, Denied, Unreadable, Failed };

}  // namespace typelens
