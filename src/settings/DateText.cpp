// Writing and reading the date text of a stored date-time.
#include "settings/DateText.h"

#include <array>
#include <charconv>

namespace tessivane::settings {
namespace {

constexpr std::string_view kYear = "\xC4\xEA";    // 年
constexpr std::string_view kMonth = "\xD4\xC2";   // 月
constexpr std::string_view kDay = "\xC8\xD5";     // 日
constexpr std::string_view kHour = "\xCA\xB1";    // 时
constexpr std::string_view kMinute = "\xB7\xD6";  // 分
constexpr std::string_view kSecond = "\xC3\xEB";  // 秒

std::string Part(int number, std::string_view unit) {
    return std::to_string(number) + std::string(unit);
}

/// Reads a whole number followed by unit at the front of text and moves past both.
bool TakePart(std::string_view& text, std::string_view unit, int& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data()) {
        return false;
    }
    const std::string_view rest = text.substr(static_cast<std::size_t>(end - text.data()));
    if (!rest.starts_with(unit)) {
        return false;
    }
    text = rest.substr(unit.size());
    return true;
}

}  // namespace

std::string DateTimeText(const DateTime& value) {
    std::string text = Part(value.year, kYear) + Part(value.month, kMonth) + Part(value.day, kDay);
    if (value.second != 0) {
        text += Part(value.hour, kHour) + Part(value.minute, kMinute) + Part(value.second, kSecond);
    } else if (value.minute != 0) {
        text += Part(value.hour, kHour) + Part(value.minute, kMinute);
    } else if (value.hour != 0) {
        text += Part(value.hour, kHour);
    }
    return text;
}

std::optional<DateTime> ParseDateTimeText(std::string_view text) {
    DateTime value;
    if (!TakePart(text, kYear, value.year) || !TakePart(text, kMonth, value.month) ||
        !TakePart(text, kDay, value.day)) {
        return std::nullopt;
    }
    // The time parts are optional but come in order, each only after the one before it.
    const std::array<std::pair<std::string_view, int*>, 3> timeParts = {
        {{kHour, &value.hour}, {kMinute, &value.minute}, {kSecond, &value.second}}};
    for (const auto& [unit, field] : timeParts) {
        if (text.empty() || !TakePart(text, unit, *field)) {
            break;
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace tessivane::settings
