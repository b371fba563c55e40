#include "import/VerbFalseFriends.h"

#include <algorithm>
#include <array>
#include <utility>

#include "ground/Cp1251Literal.h"

namespace kunimor::import {

namespace {

using TFalseFriend = std::pair<std::string_view, std::string_view>;

// Russian verb, Belarusian look-alike, and what the Belarusian word means.
// Found by reading induced pairs; extend it whenever a review finds another.
constexpr std::array kFalseFriends = {
    TFalseFriend{"устать"_cp1251, "устаць"_cp1251},             // stand up
    TFalseFriend{"уставать"_cp1251, "уставаць"_cp1251},         // get up
    TFalseFriend{"нажать"_cp1251, "нажаць"_cp1251},             // reap
    TFalseFriend{"наказывать"_cp1251, "наказваць"_cp1251},      // instruct
    TFalseFriend{"наказать"_cp1251, "наказаць"_cp1251},         // instruct
    TFalseFriend{"выделить"_cp1251, "выдаліць"_cp1251},         // delete
    TFalseFriend{"выделять"_cp1251, "выдаляць"_cp1251},         // delete
    TFalseFriend{"помешать"_cp1251, "памяшаць"_cp1251},         // stir
    TFalseFriend{"пытать"_cp1251, "пытаць"_cp1251},             // ask
    TFalseFriend{"пытаться"_cp1251, "пытацца"_cp1251},          // ask
    TFalseFriend{"уважать"_cp1251, "уважаць"_cp1251},           // consider
    TFalseFriend{"казать"_cp1251, "казаць"_cp1251},             // say
    TFalseFriend{"рушить"_cp1251, "рушыць"_cp1251},             // set off
    TFalseFriend{"рушиться"_cp1251, "рушыцца"_cp1251},          // set off
    TFalseFriend{"родить"_cp1251, "радзіць"_cp1251},            // advise
    TFalseFriend{"оценить"_cp1251, "ацяніць"_cp1251},           // shade
    TFalseFriend{"осветить"_cp1251, "асвяціць"_cp1251},         // consecrate
    TFalseFriend{"обряжать"_cp1251, "абражаць"_cp1251},         // insult
    TFalseFriend{"обряжаться"_cp1251, "абражацца"_cp1251},      // take offence
    TFalseFriend{"попрыгать"_cp1251, "парыгаць"_cp1251},        // belch
    TFalseFriend{"поджаться"_cp1251, "паджацца"_cp1251},        // reap a little
    TFalseFriend{"прыгнуть"_cp1251, "прыгнуць"_cp1251},         // bend down
    TFalseFriend{"вымотать"_cp1251, "вымацаць"_cp1251},         // find by groping
    TFalseFriend{"уряжать"_cp1251, "уражаць"_cp1251},           // impress
    TFalseFriend{"разжижать"_cp1251, "разважаць"_cp1251},       // reason
    TFalseFriend{"искупиться"_cp1251, "скупіцца"_cp1251},       // be stingy
    TFalseFriend{"изнуриться"_cp1251, "занурыцца"_cp1251},      // dive in
    TFalseFriend{"боронить"_cp1251, "бараніць"_cp1251},         // defend
    TFalseFriend{"обзываться"_cp1251, "абзывацца"_cp1251},      // answer a call
    TFalseFriend{"поковать"_cp1251, "пакаваць"_cp1251},         // pack
};

}  // namespace

bool IsVerbFalseFriend(std::string_view ru, std::string_view be) {
    return std::ranges::find(kFalseFriends, TFalseFriend{ru, be}) != kFalseFriends.end();
}

}  // namespace kunimor::import
