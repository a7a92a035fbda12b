#pragma once
// Which of the main window's macro commands are offered, as data the window copies onto
// its lettered buttons, speed buttons and menu items. A command that is not offered has
// its buttons hidden and its menu item disabled.

#include "engine/core/SharedBlock.h"

#include <string>

namespace kv {

// "/B" looks but changes nothing; "/BA" also locks files, printing, options and sorting.
enum class BrowseMode { Off, Browse, BrowseAll };

struct CommandControls {
    bool button = true; // the button of the lettered panel
    bool speed = true;  // the speed button
    bool menu = true;   // the menu item
};

struct CommandOffers {
    CommandControls modify;    // "Modify &Directly" / "Mo&dify Popup Menu"
    CommandControls recapture; // "Re&capture Macro"
    CommandControls remove;    // "Remo&ve Macro"
    CommandControls copy;      // "Cop&y Macro"
    CommandControls rename;    // "Re&name Macro"
    CommandControls activate;  // "Acti&vate Macro" / "Deacti&vate Macro"
    CommandControls scripting; // "&Scripting Editor"
    bool quickInfoMenu = true;
    bool importMenu = true;
    bool exportMenu = true;

    std::string modifyCaption = "Modify &Directly"; // button and menu item
    std::string modifyHint = "Modify Macro Directly";
    std::string activateCaption = "Acti&vate Macro"; // button and menu item
    std::string activateHint = "Activate Macro";
};

// `SetButtons`: the commands offered for an empty or non-empty list. Speed buttons are
// left as they are.
void SetButtons(CommandOffers& offers, bool hasMacros, BrowseMode mode);

// `CheckTimeItem`: the commands offered for the macro at place (0: nothing changes).
void CheckTimeItem(CommandOffers& offers, const SharedBlock& block, int place, BrowseMode mode);

// The Activate command's caption and hint for a macro that is on or off.
void SetActivateCaption(CommandOffers& offers, bool active);

// `MyGridClick`: a row was selected. In normal mode the Activate caption follows the
// macro, every command is offered and `CheckTimeItem` applies; a browse mode changes
// nothing.
void MyGridClick(CommandOffers& offers, const SharedBlock& block, int place, BrowseMode mode);

} // namespace kv
