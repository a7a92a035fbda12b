#include "engine/editing/DateTimeDialog.h"

#include "engine/macrotext/DateTimeFormats.h"
#include "engine/macrotext/MacroTextReader.h"

#include <algorithm>

namespace kv {

TDateOrTimeFields TDateOrTimeFields::From(const TDateTimeRec& r) {
    return {.isDate = r.isDate,
            .formatIndex = r.format - 1,
            .suppress = !r.leadingZeros,
            .days = r.isDate ? dialog::NumberText(static_cast<long long>(r.days)) : std::string(),
            .future = r.future};
}

CommandOutcome OkButtonClick(const TDateOrTimeFields& f) {
    const int formats =
        static_cast<int>(f.isDate ? kDateFormatNames.size() : kTimeFormatNames.size());
    TDateTimeRec r{.isDate = f.isDate,
                   .format = std::clamp(f.formatIndex, 0, formats - 1) + 1,
                   .leadingZeros = !f.suppress};
    if (f.isDate) {
        // The days are taken as typed, as far as they are a number; a negative count is
        // the same count the other way.
        const int days = ParseIntegerField(dialog::Field(f.days, TDateOrTimeFields::kDaysLength));
        r.days = days < 0 ? -days : days;
        r.future = days < 0 ? !f.future : f.future;
    }
    return dialog::Accept(f.isDate ? Command::Date : Command::Time, r);
}

} // namespace kv
