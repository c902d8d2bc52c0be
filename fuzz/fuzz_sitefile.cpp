// libFuzzer target: the site-file parser on any bytes. Whatever it accepts
// must be 52 checked lines that the writer's line form gives back unchanged.
#include "FuzzContract.h"

#include "platform/NumText.h"
#include "sitefiles/SiteFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

bool isDigits(const QString& t)
{
    if (t.isEmpty() || t.size() > 2)
        return false;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace sitefiles;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString why;
    const std::optional<SiteFileContent> c = parseSiteFile(bytes, &why);
    if (!c) {
        TDR_CONTRACT(!why.isEmpty());
        return 0;
    }
    for (const SiteLine& l : siteLines()) {
        const QString& text = c->lines[size_t(l.line)];
        if (l.form == LineForm::Length || l.form == LineForm::Inches) {
            const std::optional<float> v = platform::parseSingle(text);
            TDR_CONTRACT(v && *v >= 0 && *v <= l.limit && *v == c->length[size_t(l.line)]);
        } else if (l.form == LineForm::Count) {
            TDR_CONTRACT(isDigits(text) && text.toInt() >= 1);
        } else if (l.form == LineForm::Fitting) {
            TDR_CONTRACT(isDigits(text));
        }
    }
    // The lines written again as the writer writes them parse to the same lines.
    for (const QString& line : c->lines)
        TDR_CONTRACT(!line.contains(u'\n'));
    const std::optional<SiteFileContent> back = parseSiteFile(fuzzcontract::fileBytes(c->lines));
    TDR_CONTRACT(back && back->lines == c->lines);
    return 0;
}
