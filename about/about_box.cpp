#include "about/about_box.h"

namespace typelens {

std::string AboutBox::onLoad() const {
    return "Written in 2026 by the Typelens developers.\r\n"
           "This program is free (as a free beer), but if you think it's cool please consider "
           "donating!";
}

}  // namespace typelens
