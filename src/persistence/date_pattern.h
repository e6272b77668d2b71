#pragma once

#include "finance/financial_types.h"

#include <string>
#include <string_view>

namespace calvora {

// Date patterns use the letters d (day), M (month) and y (year): "d" and "dd" the
// day without and with a leading zero, "M"/"MM" the month likewise, "MMM" the short
// English month name, "MMMM" the full name, "yy" two year digits and "yyyy" (or
// any other count) four. "ddd"/"dddd" are the short and full weekday names. Every
// other character is copied; text inside single quotes is copied literally.

/// Translates a strftime/nl_langinfo date format ("%m/%d/%y", "%d.%m.%Y") into
/// d/M/y letters ("MM/dd/yy", "dd.MM.yyyy"). %e and %-d give "d", %-m gives "M",
/// %b/%h "MMM", %B "MMMM", %a "ddd", %A "dddd", %D "MM/dd/yy", %F "yyyy-MM-dd",
/// %% a percent sign; other conversions are dropped.
std::string DatePatternFromStrftime(std::string_view strftimeFormat);

/// Translates d/M/y letters back into a strftime format ("dd.MM.yyyy" -> "%d.%m.%Y").
/// A single "d" or "M" becomes "%-d"/"%-m" (glibc), "yy" "%y", other year runs "%Y".
std::string DatePatternToStrftime(std::string_view pattern);

/// A day number as text by a d/M/y pattern (the time of day is ignored).
std::string FormatDateText(TDateTime date, std::string_view pattern);

/// Reads a date written with a d/M/y pattern of the same day, month and year order
/// (any non-digit separates the numbers; a month name is accepted where the pattern
/// has "MMM"). A one- or two-digit year is placed within 50 years before and 49
/// years after the year of `today`. Raises EConvertError "'<text>' is not a valid date".
TDateTime ParseDateText(std::string_view text, std::string_view pattern, TDateTime today);

} // namespace calvora
