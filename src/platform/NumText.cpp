#include "NumText.h"

#include <charconv>
#include <cmath>
#include <cfenv>
#include <cstdio>
#include <limits>
#include <string>

namespace platform {

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

// Checks the strict number form and gives it as ASCII for from_chars
// (exponent letter D turned into E, leading "+" dropped).
std::optional<std::string> strictForm(QStringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    std::string s;
    qsizetype i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            s += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (; i < e; ++i) {
        const QChar c = text[i];
        if (c >= '0' && c <= '9') {
            s += char(c.unicode());
            ++digits;
        } else if (c == '.' && !point) {
            s += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < e && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        s += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) {
            s += char(text[i].unicode());
            ++i;
        }
        int expDigits = 0;
        for (; i < e && text[i] >= '0' && text[i] <= '9'; ++i) {
            s += char(text[i].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != e)
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

double leadingNumber(QStringView text)
{
    std::string s;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            s += '-';
        ++i;
    }
    bool point = false;
    int digits = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == ' ' || c == '\t')
            continue;
        if (c >= '0' && c <= '9') {
            s += char(c.unicode());
            ++digits;
        } else if (c == '.' && !point) {
            s += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::string exp = "e";
        qsizetype j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            exp += char(text[j++].unicode());
        int expDigits = 0;
        for (; j < n && text[j] >= '0' && text[j] <= '9'; ++j) {
            exp += char(text[j].unicode());
            ++expDigits;
        }
        if (expDigits > 0)
            s += exp;
    }
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

QString doubleToText(double value) { return formatG(value, 15); }

} // namespace platform
