#include "shell/column_export.h"

#include "core/Globali.h"
#include "core/binary_io.h"
#include "core/column_store.h"
#include "shell/column_sort.h"

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

void AppendColumn(std::string& out, const Column& c) {
    for (int i = 0; i < kColumnSize; ++i) {
        if (i > 0) out.push_back(' ');
        const int v = c[i];
        if (v >= 100) out.push_back(static_cast<char>('0' + v / 100));
        if (v >= 10) out.push_back(static_cast<char>('0' + v / 10 % 10));
        out.push_back(static_cast<char>('0' + v % 10));
    }
    out += "\r\n";
}

} // namespace

ExportOutcome ExportColumnsToText(const ColumnStore& store, const std::string& path, OperationHost& host) {
    binio::AtomicFileWriter writer(path);
    if (!writer.open()) return ExportOutcome::WriteFailed;
    host.showStatus(kWritingColumnsCaption);
    host.setProgressMaximum(store.count);
    StopPoller poller(host, 600, 1024);
    std::string buffer;
    buffer.reserve(kFlushSize + 64);
    for (std::int32_t p = 1; p <= store.count; ++p) {
        AppendColumn(buffer, store.at(p));
        if (buffer.size() >= kFlushSize) {
            if (!writer.write(buffer.data(), buffer.size())) return ExportOutcome::WriteFailed;
            buffer.clear();
        }
        if (poller.step(p)) {
            writer.abandon();
            return ExportOutcome::Stopped;
        }
    }
    if (!writer.write(buffer.data(), buffer.size()) || !writer.commit()) return ExportOutcome::WriteFailed;
    host.showProgress(store.count);
    return ExportOutcome::Completed;
}

ExportOutcome ExportFinalColumns(Globali& g, const std::string& path, OperationHost& host) {
    const ExportOutcome outcome = ExportColumnsToText(g.system.columns, path, host);
    if (outcome == ExportOutcome::Completed) g.messages.information(kExportDoneText, "OK");
    if (outcome == ExportOutcome::WriteFailed) g.messages.error(kExportFailedText);
    return outcome;
}
