// The date text a date-time is stored as, and the parse that reads it back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessivane::settings {

struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

/// "Y年M月D日", then "h时m分s秒" when the seconds are not 0, else "h时m分" when the minutes
/// are not 0, else "h时" when the hour is not 0, else nothing.
std::string DateTimeText(const DateTime& value);

/// Reads every text DateTimeText writes; nothing for any other text.
std::optional<DateTime> ParseDateTimeText(std::string_view text);

}  // namespace tessivane::settings
