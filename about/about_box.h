// What the About window says and does; its drawing lives with the window.
#pragma once

#include <string>

#include "platform/shell.h"
#include "version.h"

namespace typelens {

inline constexpr char kHomePage[] = "https://typelens.example/";
inline constexpr char kDonationPage[] = "https://typelens.example/donate.php";
inline constexpr char kAboutTitle[] = TYPELENS_TITLE;
inline constexpr char kDonateTip[] = "Donate with PayPal - It's fast, free and secure!";

class AboutBox {
  public:
    explicit AboutBox(Shell& shell) : shell_(shell) {}

    // The notice that the window shows under the icon, set afresh at every opening.
    std::string onLoad() const;
    // The donation picture and the home-page link; the window stays open.
    void onImage2Click() { (void)shell_.open(kDonationPage); }
    void onLabel2Click() { (void)shell_.open(kHomePage); }

  private:
    Shell& shell_;
};

}  // namespace typelens
