// libFuzzer target: the update merge on any bytes. The first byte picks the
// catalogue kind; the rest is the catalogue file, a NUL byte, and the update
// file. A merge reported as a success holds the catalogue's custom records in
// their order followed by the update file's records, each as the update file
// holds it, and the kind's reader takes them all back from the written file.
#include "FuzzContract.h"

#include "catalogue/KindFiles.h"
#include "catalogue/Merge.h"
#include "catalogue/RecordFormat.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>

namespace {

using namespace catalogue;

template <typename Rec>
void merge(QByteArrayView existing, QByteArrayView update, recordformat::FlowForm form)
{
    // The catalogue file is read as the merge reads it: every flow a single.
    std::optional<std::vector<Rec>> records =
        recordformat::parseRecords<Rec>(existing, recordformat::FlowForm::Single, kMaxRecords);
    if (!records)
        return;
    std::vector<Rec> kept;
    for (const Rec& r : *records)
        if (r.strKind != recordformat::kStandard)
            kept.push_back(r);
    const std::optional<std::vector<Rec>> merged = mergeRecords(std::move(*records), update, form);
    if (!merged)
        return;
    // The custom records first, in their order, then the update's, read as
    // the merge reads an update: every flow a single, at most 255 records.
    const std::optional<std::vector<Rec>> updates =
        recordformat::parseRecords<Rec>(update, recordformat::FlowForm::Single, kMaxUpdateRecords);
    TDR_CONTRACT(updates && !updates->empty());
    TDR_CONTRACT(merged->size() == kept.size() + updates->size());
    for (size_t i = 0; i < kept.size(); ++i)
        TDR_CONTRACT(fuzzcontract::sameRecord((*merged)[i], kept[i]));
    for (size_t j = 0; j < updates->size(); ++j)
        TDR_CONTRACT(fuzzcontract::sameRecord((*merged)[kept.size() + j], (*updates)[j]));
    QStringList lines;
    for (const Rec& r : *merged)
        recordformat::appendRecordLines(lines, r);
    const std::optional<std::vector<Rec>> back =
        recordformat::parseRecords<Rec>(fuzzcontract::fileBytes(lines), form, kMaxRecords);
    TDR_CONTRACT(back && back->size() == merged->size());
    // What the kind's reader takes back is the merge, a leak detector's flows
    // rounded to whole numbers as its reader rounds them.
    std::vector<Rec> expected = *merged;
    if (form == recordformat::FlowForm::WholeNumber16)
        for (Rec& r : expected)
            for (float& flow : r.sngFlow)
                flow = recordformat::wholeFlowAsRead(flow);
    TDR_CONTRACT(fuzzcontract::sameRecords(*back, expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const Kind kind = Kind(1 + data[0] % 8);
    const QByteArrayView rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const qsizetype nul = rest.indexOf('\0');
    const QByteArrayView existing = nul < 0 ? rest : rest.first(nul);
    const QByteArrayView update = nul < 0 ? QByteArrayView() : rest.sliced(nul + 1);
    const recordformat::FlowForm form = kindFile(kind).flow;
    if (kind == Kind::Hose)
        merge<typHose>(existing, update, form);
    else
        merge<typComponent>(existing, update, form);
    return 0;
}
