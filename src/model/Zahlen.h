#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tafomat {

// Leading-number reading of #-command fields and of the size text: blanks, tabs and line
// feeds are disregarded anywhere; a sign; digits with at most one point and an optional
// exponent (E, e, D, d); or &H / &O with hexadecimal / octal digits. Reading stops at the
// first character that does not fit; no digits give 0.
double leadingNumber(std::string_view text);

// Decimal reading by German regional rules: blanks around, optional sign, a decimal comma,
// points as thousands marks ignored wherever they stand. Empty or no number: nullopt.
[[nodiscard]] std::optional<double> readDecimal(std::string_view text);

// The value of a clean number text "[-]digits[.digits][e[-]digits]". Out of range, the result
// is inf or 0 with the number's sign, as the C library's strtod gives it.
double numberFromText(const std::string& text);

// Days since 30.12.1899 (day 0); the fraction is the time of day.
using Tageszahl = double;

struct Kalenderdatum {
    int jahr;
    int monat;
    int tag;
};

Tageszahl tageszahl(Kalenderdatum datum);
Kalenderdatum kalenderdatum(Tageszahl tage);  // the whole day of a day number

// Date reading by German regional rules: "04.11.2010", optionally followed by a time of day.
[[nodiscard]] std::optional<Tageszahl> readDate(std::string_view text);

// "5875", "-3", "132187,5": 15 significant digits, decimal comma, never an exponent.
std::string regionalNumberText(double zahl);
// " 1994000", "-6000", " .5": 15 significant digits, decimal point, blank before zero and
// positive numbers, no zero before the point.
std::string plainNumberText(double zahl);
// The amount text of a plain number text of cents: "19940,00", "-60,00", ",5".
std::string amountText(std::string_view plainText);

}  // namespace tafomat
