#include "metafile.h"

namespace test {
namespace {

int CALLBACK keep_record(HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM records)
{
    const DWORD words = record->nSize / sizeof(DWORD);
    reinterpret_cast<std::vector<Record> *>(records)->push_back(
        {record->iType, std::vector<DWORD>(record->dParm, record->dParm + (words - 2))});
    return 1;
}

} // namespace

void PrintTo(const Record &record, std::ostream *out)
{
    *out << "{type " << record.type << ":";
    for (DWORD p : record.params)
        *out << " " << static_cast<long>(p);
    *out << "}";
}

std::vector<Record> record_calls(const std::function<void()> &draw, const std::function<void(HDC)> &prepare)
{
    HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    if (prepare)
        prepare(recorder);
    HDC window_dc = lumo::state.window_dc;
    lumo::state.window_dc = recorder;
    draw();
    lumo::state.window_dc = window_dc;
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);

    std::vector<Record> records;
    EnumEnhMetaFile(nullptr, metafile, keep_record, &records, nullptr);
    DeleteEnhMetaFile(metafile);
    std::vector<Record> calls; // without the header and end records
    for (const Record &r : records)
        if (r.type != EMR_HEADER && r.type != EMR_EOF)
            calls.push_back(r);
    return calls;
}

} // namespace test
