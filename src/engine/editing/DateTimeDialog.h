#pragma once
// `TDateOrTime`: a date or time tag, chosen from the list of formats.

#include "engine/editing/CommandDialog.h"

namespace kv {

// `TheFormat` (its list position, from 0), `Suppress`, and for dates `Days` with `Future`
// or `Past`.
struct TDateOrTimeFields {
    static constexpr std::size_t kDaysLength = 3;
    bool isDate = true;
    int formatIndex = 0;
    bool suppress = false; // "Do not show leading zeros"
    std::string days{};
    bool future = true;

    static TDateOrTimeFields From(const TDateTimeRec& r);
};
CommandOutcome OkButtonClick(const TDateOrTimeFields& f);

} // namespace kv
