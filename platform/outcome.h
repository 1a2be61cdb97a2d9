// How a step that changes the machine ended, as the program logic sees it.
#pragma once

namespace typelens {

// Lack of rights is told apart from other failures: a font the machine refuses can still be
// installed for the user alone.
enum class Outcome { Done, Denied, Failed };

}  // namespace typelens
