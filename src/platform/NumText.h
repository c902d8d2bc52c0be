#pragma once
// Number <-> text conversions and rounding, in one place so that every reader,
// writer and field shows and takes numbers the same way.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace platform {

// The one-decimal value nearest to the exact binary value of x; only exact
// ties (2.25, 0.75, ...) go to the even digit.
double roundHalfEven1(double x);
// The same at 0 to 6 decimals.
double roundHalfEvenTo(double x, int decimals);
// x as it is shown, its decimal form of `significant` digits (7 for a
// single, 15 for a double), rounded to `decimals` with the halves of that
// decimal going to the even digit: 0.35 gives 0.4 and 12.25 gives 12.2,
// where the binary value of 0.35 (a little less) would give 0.3.
double roundShownHalfEven(double x, int significant, int decimals);

// x rounded to a whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
double roundHalfEven0(double x);

// x rounded halves-to-even into a 16-bit signed integer; nothing when the
// rounded value does not fit (or x is not finite).
std::optional<int16_t> toInt16(double x);

// Strict conversion of a whole text to a number: blanks around it allowed, an
// optional sign, digits with at most one ".", an optional exponent (E or D).
// Anything else, the empty text included, is not a number. The single form
// gives the single nearest to the decimal value; out of range is not a number.
std::optional<double> parseDouble(QStringView text);
std::optional<float> parseSingle(QStringView text);

// Strict conversion of a text to a Boolean: "#TRUE#", "#FALSE#", "True",
// "False" (any letter case) or a number (non-zero is True).
std::optional<bool> parseBoolean(QStringView text);

// The leading number of a text, as a field's value is taken: blanks are
// skipped, reading stops at the first character that cannot continue the
// number, and a text without a leading number is 0.
double leadingNumber(QStringView text);

// A single as the shortest decimal text of at most seven significant digits:
// "." as separator, no trailing zeros or point, "0.5" for a half, an exponent
// form ("1E+07", "1E-05") only for very large or small values.
QString singleToText(float value);

// The same form with as many digits as the single needs to be read back as
// itself: the seven-digit text whenever that reads back unchanged (nearly
// always), else eight or nine digits.
QString singleToExactText(float value);

// A double as decimal text of at most fifteen significant digits, same form.
QString doubleToText(double value);

// A number in a display pattern of the "##0.0" family: at least one digit
// before the point, no thousands separator, and from minDecimals to
// maxDecimals decimals (trailing zeros beyond minDecimals left out). The
// value is first taken as its decimal form of `significant` digits (7 for a
// single, 15 for a double), which is then rounded to maxDecimals with halves
// away from zero. A value that rounds to zero shows no sign.
QString formatDecimals(double value, int significant, int minDecimals, int maxDecimals);

} // namespace platform
