#include "engine/mainwin/ListCommands.h"

#include "engine/core/Limits.h"

namespace kv {
namespace {

void Offer(CommandControls& c, bool on) {
    c.button = on;
    c.speed = on;
    c.menu = on;
}

} // namespace

void SetButtons(CommandOffers& offers, bool hasMacros, BrowseMode mode) {
    const bool on = hasMacros && mode == BrowseMode::Off;
    for (CommandControls* c : {&offers.modify, &offers.recapture, &offers.remove, &offers.copy,
                               &offers.rename, &offers.activate, &offers.scripting}) {
        c->button = on;
        c->menu = on;
    }
    if (!hasMacros) {
        offers.quickInfoMenu = false;
        return;
    }
    offers.quickInfoMenu = mode != BrowseMode::BrowseAll;
    if (mode != BrowseMode::Off) {
        offers.importMenu = false;
        offers.exportMenu = false;
    }
}

void CheckTimeItem(CommandOffers& offers, const SharedBlock& block, int place, BrowseMode mode) {
    if (place < 1)
        return;
    const auto scope = static_cast<Scope>(block.Scope(place));
    const bool popup = scope == Scope::PopupMenu;
    offers.modifyCaption = popup ? "Mo&dify Popup Menu" : "Modify &Directly";
    offers.modifyHint = popup ? "Modify Macro Popup Menu" : "Modify Macro Directly";

    // A SYSTEM macro can only be given another hot key: Rename is left as it is.
    const bool editable = mode == BrowseMode::Off && scope != Scope::System;
    for (CommandControls* c : {&offers.copy, &offers.modify, &offers.remove, &offers.activate})
        Offer(*c, editable);
    if (!editable) {
        Offer(offers.recapture, false);
        Offer(offers.scripting, false);
        return;
    }
    const bool timed = block.Activation(place) == kActivationTimed;
    Offer(offers.recapture, !popup && !timed);
    Offer(offers.scripting, !popup);
}

void SetActivateCaption(CommandOffers& offers, bool active) {
    offers.activateCaption = active ? "Deacti&vate Macro" : "Acti&vate Macro";
    offers.activateHint = active ? "Deactivate Macro" : "Activate Macro";
}

void MyGridClick(CommandOffers& offers, const SharedBlock& block, int place, BrowseMode mode) {
    if (mode != BrowseMode::Off || place < 1)
        return;
    SetActivateCaption(offers, block.Active(place));
    SetButtons(offers, true, mode);
    CheckTimeItem(offers, block, place, mode);
}

} // namespace kv
