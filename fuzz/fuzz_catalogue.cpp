// libFuzzer target: the catalogue reader of every kind on any bytes (the
// first byte picks the kind). What the reader accepts, the writer writes
// back; reading that back gives the same records, and writing those gives
// the same bytes again.
#include "FuzzContract.h"

#include "catalogue/KindFiles.h"
#include "catalogue/RecordFormat.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>

namespace {

using namespace catalogue;

template <typename Rec>
void roundTrip(QByteArrayView bytes, recordformat::FlowForm form)
{
    const std::optional<std::vector<Rec>> records = recordformat::parseRecords<Rec>(bytes, form, kMaxRecords);
    if (!records)
        return;
    QStringList lines;
    for (const Rec& r : *records) {
        TDR_CONTRACT(recordformat::unwritableReason(r, form).isEmpty());
        recordformat::appendRecordLines(lines, r);
    }
    const QByteArray written = fuzzcontract::fileBytes(lines);
    const std::optional<std::vector<Rec>> back = recordformat::parseRecords<Rec>(written, form, kMaxRecords);
    TDR_CONTRACT(back && fuzzcontract::sameRecords(*records, *back));
    QStringList again;
    for (const Rec& r : *back)
        recordformat::appendRecordLines(again, r);
    TDR_CONTRACT(again == lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const Kind kind = Kind(1 + data[0] % 8);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const recordformat::FlowForm form = kindFile(kind).flow;
    if (kind == Kind::Hose)
        roundTrip<typHose>(bytes, form);
    else
        roundTrip<typComponent>(bytes, form);
    return 0;
}
