// "sestavia-cli aggiorna": the internet update of an archive file, without windows.
#include "app/cli_http.h"
#include "archive/archive_file.h"
#include "archive/update_protocol.h"
#include "core/messages.h"
#include "core/random.h"
#include "online/rtf_reader.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <string_view>

namespace {

// Messages go to standard output; questions are answered Cancel, so nothing is opened and the
// draws are downloaded whenever the server offers them.
class PrintedMessages final : public MessageService {
public:
    MessageAnswer show(const Message& m) override {
        std::string text = m.text;
        for (char& c : text)
            if (c == '\r') c = '\n';
        std::printf("[%s] %s\n", m.title.c_str(), text.c_str());
        return m.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
};

class CliHost final : public UpdateSessionHost {
public:
    CliHost(const DrawArchive& archive, std::filesystem::path path)
        : archive_(archive), path_(std::move(path)) {
        random_.seed(std::random_device{}());
    }
    void setProgress(int) override {}
    void setBusy(bool) override {}
    void openUrl(const std::string& url) override { std::printf("Pagina da aprire: %s\n", url.c_str()); }
    void showHelpTopic(const std::string&) override {}
    void runProgramUpdate(const std::string& address) override {
        std::printf("Nuova versione del programma: %s\n", address.c_str());
    }
    void showRtfMessage(const std::filesystem::path& file) override {
        std::ifstream in(file, std::ios::binary);
        std::string bytes;
        bytes.resize(kMaxUpdateAnswerBytes);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        std::printf("[Messaggio]\n%s\n", ReadRtf(bytes).plainText().c_str());
    }
    void archiveChanged() override {
        std::error_code ec;
        if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), ec);
        saved = saveArchive(archive_, path_, random_);
        if (!saved) std::fprintf(stderr, "Impossibile scrivere l'archivio %s\n", path_.string().c_str());
    }
    bool saved = true;

private:
    const DrawArchive& archive_;
    std::filesystem::path path_;
    RandomGenerator random_;
};

// The archive of this user, where the program keeps it on this kind of system.
std::filesystem::path DefaultArchivePath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (data && *data) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && *home ? home : ".") / ".local" / "share";
    }
    return base / "Sestavia" / kArchiveFileName;
}

} // namespace

int RunAggiorna(std::span<const std::string_view> args) {
    UpdateSessionRequest request;
    std::filesystem::path archivePath = DefaultArchivePath();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--server" && i + 1 < args.size()) {
            request.server = std::string(args[++i]);
        } else if (args[i] == "--archivio" && i + 1 < args.size()) {
            archivePath = std::string(args[++i]);
        } else {
            std::fprintf(stderr, "Argomento non riconosciuto: %.*s\n", static_cast<int>(args[i].size()),
                         args[i].data());
            return 2;
        }
    }
    DrawArchive archive;
    const ArchiveLoadResult loaded = loadArchive(archive, archivePath);
    if (!loaded.read)
        std::printf("Archivio %s assente o illeggibile: si parte da vuoto.\n", archivePath.string().c_str());
    request.rtfFile = archivePath.parent_path() / kMsgRtfFileName;

    CliHttpFetcher http;
    PrintedMessages messages;
    CliHost host(archive, archivePath);
    const UpdateSessionResult r = RunUpdateSession(request, archive, http, messages, host);
    std::error_code ec;
    std::filesystem::remove(request.rtfFile, ec);
    if (r.skippedLines > 0) std::printf("Righe scartate perché non valide: %d\n", r.skippedLines);
    if (r.connectionFailed) return 1;
    return host.saved ? 0 : 1;
}
