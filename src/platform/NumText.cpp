#include "NumText.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace platform {

namespace {
// The decimal form of |x| at `significant` digits: its digits d1 d2 ... and,
// in `exponent`, the power of ten of d1.
std::string decimalDigits(double x, int significant, int& exponent)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", std::clamp(significant, 1, 17) - 1, std::fabs(x));
    const char* e = std::strchr(buf, 'e');
    exponent = std::atoi(e + 1);
    std::string digits;
    for (const char* c = buf; c < e; ++c)
        if (*c >= '0' && *c <= '9')
            digits += *c;
    return digits;
}
} // namespace

double roundHalfEven1(double x)
{
    if (!std::isfinite(x))
        return x;
    // x * 10 is exact in long double (64-bit or wider significand), so the
    // tie test below sees the exact binary value of x.
    const long double scaled = static_cast<long double>(x) * 10.0L;
    const long double r = std::nearbyintl(scaled); // default mode: to nearest, ties to even
    const double result = static_cast<double>(r / 10.0L);
    return result == 0.0 ? 0.0 : result; // no negative zero in texts
}

double roundHalfEvenTo(double x, int decimals)
{
    if (!std::isfinite(x))
        return x;
    long double scale = 1.0L;
    for (int d = 0; d < std::clamp(decimals, 0, 6); ++d)
        scale *= 10.0L;
    // Exact in long double for the values the program rounds, as above.
    const long double r = std::nearbyintl(static_cast<long double>(x) * scale);
    const double result = static_cast<double>(r / scale);
    return result == 0.0 ? 0.0 : result;
}

double roundShownHalfEven(double x, int significant, int decimals)
{
    if (!std::isfinite(x) || x == 0.0)
        return x == 0.0 ? 0.0 : x;
    int exponent = 0;
    std::string digits = decimalDigits(x, significant, exponent);
    // Keep the digits up to `decimals` after the point; the first one
    // dropped decides, an exact half (5 and zeros after it) going to even.
    const int kept = exponent + 1 + std::clamp(decimals, 0, 6);
    if (kept < 0)
        return 0.0;
    while (digits.size() <= size_t(kept))
        digits.push_back('0');
    const char first = digits[size_t(kept)];
    const bool restZero = digits.find_first_not_of('0', size_t(kept) + 1) == std::string::npos;
    const int lastKept = kept > 0 ? digits[size_t(kept) - 1] - '0' : 0;
    const bool up = first > '5' || (first == '5' && (!restZero || lastKept % 2 == 1));
    // The kept digits as a whole number, then scaled by the power of ten.
    long double whole = 0;
    for (int i = 0; i < kept; ++i)
        whole = whole * 10 + (digits[size_t(i)] - '0');
    if (up)
        whole += 1;
    long double scale = 1.0L;
    for (int d = 0; d < std::clamp(decimals, 0, 6); ++d)
        scale *= 10.0L;
    // digits kept = exponent + 1 + decimals, so whole / 10^decimals is the value.
    const double magnitude = static_cast<double>(whole / scale);
    const double result = x < 0 ? -magnitude : magnitude;
    return result == 0.0 ? 0.0 : result;
}

double roundHalfEven0(double x)
{
    if (!std::isfinite(x))
        return x;
    const double r = std::nearbyint(x);
    return r == 0.0 ? 0.0 : r;
}

std::optional<int16_t> toInt16(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = roundHalfEven0(x);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(r);
}

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Scans a number from text[i] on: a sign, digits with at most one ".", and an
// exponent (E or D) when digits follow its letter. Gives it as ASCII for
// from_chars (exponent letter turned into "e", a leading "+" dropped) and
// leaves i after what it took. Blanks between the characters of the mantissa
// are stepped over when innerBlanks is set, as a field's leading number
// takes them. Returns the number of mantissa digits (0: no number).
int scanNumber(QStringView text, qsizetype& i, bool innerBlanks, std::string& ascii)
{
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (innerBlanks && (c == u' ' || c == u'\t'))
            continue;
        if (isDigit(c)) {
            ascii += char(c.unicode());
            ++digits;
        } else if (c == u'.' && !point) {
            ascii += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || i >= n)
        return digits;
    const QChar letter = text[i];
    if (letter != u'E' && letter != u'e' && letter != u'D' && letter != u'd')
        return digits;
    qsizetype j = i + 1;
    std::string exponent = "e";
    if (j < n && (text[j] == u'+' || text[j] == u'-'))
        exponent += char(text[j++].unicode());
    const qsizetype firstDigit = j;
    for (; j < n && isDigit(text[j]); ++j)
        exponent += char(text[j].unicode());
    if (j > firstDigit) {
        ascii += exponent;
        i = j;
    }
    return digits;
}

// Checks the strict number form: blanks around it, nothing else besides it.
std::optional<std::string> strictForm(QStringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && (text[b] == u' ' || text[b] == u'\t'))
        ++b;
    while (e > b && (text[e - 1] == u' ' || text[e - 1] == u'\t'))
        --e;
    const QStringView core = text.mid(b, e - b);
    std::string s;
    qsizetype i = 0;
    if (scanNumber(core, i, false, s) == 0 || i != core.size())
        return std::nullopt;
    return s;
}

template <typename T>
std::optional<T> parseAs(QStringView text)
{
    const auto form = strictForm(text);
    if (!form)
        return std::nullopt;
    T value{};
    const char* first = form->data();
    const char* last = first + form->size();
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseDouble(QStringView text) { return parseAs<double>(text); }

std::optional<float> parseSingle(QStringView text) { return parseAs<float>(text); }

std::optional<bool> parseBoolean(QStringView text)
{
    const QString t = text.trimmed().toString();
    if (t.compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0
        || t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("#FALSE#"), Qt::CaseInsensitive) == 0
        || t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto d = parseDouble(t))
        return *d != 0.0;
    return std::nullopt;
}

namespace {

// The short plain decimals that fields hold ("150", "12.5", "-0.3") convert
// without the general parser, to the same double: with at most 15 digits the
// whole number is exact in a double, so is the power of ten, and the one
// division rounds to the nearest double. The calculation reads its fields at
// every step of the search, so this matters there. Nothing when the text
// needs the general parser (more digits, an exponent, blanks in between).
std::optional<double> plainDecimal(QStringView text, qsizetype i)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            if (++digits > 15)
                return std::nullopt;
            whole = whole * 10 + (c.unicode() - u'0');
            if (point)
                ++decimals;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n) {
        const QChar c = text[i];
        if (c == u' ' || c == u'\t' || c == u'E' || c == u'e' || c == u'D' || c == u'd')
            return std::nullopt;
    }
    const double value = double(whole) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
        ++i;
    if (const std::optional<double> plain = plainDecimal(text, i))
        return *plain;
    std::string s;
    if (scanNumber(text, i, true, s) == 0)
        return 0.0;
    double value = 0.0;
    std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    return std::isfinite(value) ? value : 0.0;
}

namespace {
QString formatG(double value, int precision)
{
    if (value == 0.0)
        return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", precision, value);
    return QString::fromLatin1(buf);
}
} // namespace

QString singleToText(float value) { return formatG(static_cast<double>(value), 7); }

QString singleToExactText(float value)
{
    QString text = formatG(static_cast<double>(value), 7);
    for (int digits = 8; digits <= 9 && std::isfinite(value); ++digits) {
        const std::optional<float> back = parseSingle(text);
        if (back && (*back == value || (std::isnan(*back) && std::isnan(value))))
            break;
        text = formatG(static_cast<double>(value), digits);
    }
    return text;
}

QString doubleToText(double value) { return formatG(value, 15); }

QString formatDecimals(double value, int significant, int minDecimals, int maxDecimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    int exponent = 0;
    std::string digits = decimalDigits(value, significant, exponent);
    // The digits with the point after `point` of them, padded so that the
    // digit after the last decimal kept is there.
    maxDecimals = std::max(maxDecimals, 0);
    int point = exponent + 1;
    if (point <= 0) {
        digits = std::string(size_t(1 - point), '0') + digits;
        point = 1;
    }
    const size_t kept = size_t(point + maxDecimals);
    if (digits.size() <= kept)
        digits.append(kept + 1 - digits.size(), '0');
    const bool up = digits[kept] >= '5';
    digits.resize(kept);
    if (up) {
        int i = int(kept) - 1;
        for (; i >= 0 && digits[size_t(i)] == '9'; --i)
            digits[size_t(i)] = '0';
        if (i < 0) {
            digits = "1" + digits;
            ++point;
        } else {
            ++digits[size_t(i)];
        }
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    const std::string whole = digits.substr(0, size_t(point));
    std::string decimals = digits.substr(size_t(point));
    while (int(decimals.size()) > minDecimals && decimals.back() == '0')
        decimals.pop_back();
    std::string text = (value < 0 && !zero ? "-" : "") + whole;
    if (!decimals.empty())
        text += "." + decimals;
    return QString::fromLatin1(text);
}

} // namespace platform
