#pragma once

#include "archive/draw_archive.h"
#include "core/messages.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The update server of the publisher; the value "IDE_ServerAggiornamenti" replaces it, so a test
// server on this machine can stand in for it.
inline constexpr const char* kDefaultUpdateServer = "https://www.carovela-superenalotto.it/";
inline constexpr const char* kUpdateServerSettingKey = "ServerAggiornamenti";
// No answer of the server comes anywhere near this; a larger one is a fault or an attack.
inline constexpr std::size_t kMaxUpdateAnswerBytes = 4u * 1024u * 1024u;
// Asked for when the archive is empty: before the first draw of the game, so everything comes.
inline constexpr const char* kEmptyArchiveQueryDate = "19970101";

inline constexpr const char* kMsgConnessioneFallita =
    "Impossibile stabilire una connessione con il server. Assicurarsi che la connessione ad Internet sia "
    "attiva.\rAssicurarsi che non siano presenti firewall che impediscano lo scaricamento degli "
    "aggiornamenti.";
inline constexpr const char* kHelpConnessione = "rdp_connessione.htm";
inline constexpr const char* kMsgNessunAggiornamento = "Al momento non sono disponibili nuovi aggiornamenti.";
inline constexpr const char* kMsgAggiornamentoRiuscito =
    "Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Superenalotto: ";
inline constexpr const char* kMsgRtfFileName = "Msg.rtf";

// Fetches one address with GET; nullopt on any failure (no connection, HTTP error, time-out, an
// answer past the size limit). The GUI wraps its network client, the command line a socket.
class HttpFetcher {
public:
    virtual ~HttpFetcher() = default;
    virtual std::optional<std::string> fetch(const std::string& url) = 0;
};

// Only http and https addresses with a host are followed: whatever else the server sends
// (file:, javascript:, a bare path, control characters) is ignored.
bool IsWebAddress(std::string_view address);

// "YYYYMMDD" of the last draw, kEmptyArchiveQueryDate for an empty archive.
std::string UpdateQueryDate(const DrawArchive& archive);
// Request A: <server>aggiorna.php?idprogramma=22&versione=40&dues=<date>.
std::string UpdateRequestUrl(std::string_view server, const DrawArchive& archive);

// The answer to request A, by its beginning.
enum class UpdateAnswerKind {
    DrawList,    // "http...": the answer is the address of the draw list
    NewVersion,  // "nnn" A "nnn"
    Information, // "ccc" A "ccc"
    Warning,     // "kkk" A "kkk"
    Message,     // anything else: shown as a warning
};

struct UpdateAnswer {
    UpdateAnswerKind kind = UpdateAnswerKind::Message;
    std::string address;     // A (or the list address of a DrawList answer); empty when absent
    std::string listAddress; // U, empty when absent
    std::string message;     // M, or the whole text of a Message answer (UTF-8)
};
UpdateAnswer InterpretUpdateAnswer(std::string_view answer);

// Request B's body, line by line.
struct DrawListLine {
    enum Kind { Draw, Rtf, Url, Other } kind = Other;
    std::string value; // the text after the three-letter kind
};
std::vector<DrawListLine> SplitDrawList(std::string_view body);
// A "sue" value read by its fixed-width fields. nullopt when a field is not a number or the draw
// is impossible (see IsSoundDrawRecord): such a line is skipped rather than stored with made-up
// numbers.
std::optional<DrawRecord> ParseDrawLine(std::string_view value);

// What the update session asks of its window (or of the command line).
class UpdateSessionHost {
public:
    virtual ~UpdateSessionHost() = default;
    virtual void setProgress(int percent) = 0;
    virtual void setBusy(bool busy) = 0; // hour-glass cursor
    virtual void openUrl(const std::string& url) = 0;
    virtual void showHelpTopic(const std::string& topic) = 0;
    // The program-update window with the address of the new version.
    virtual void runProgramUpdate(const std::string& address) = 0;
    // The message window, showing the RTF file just downloaded.
    virtual void showRtfMessage(const std::filesystem::path& file) = 0;
    // After the received draws changed the archive: save it and recompute the statistics.
    virtual void archiveChanged() = 0;
};

struct UpdateSessionResult {
    bool connectionFailed = false;
    bool keepWindowOpen = false; // false: the window closes at the end
    bool listDownloaded = false;
    int newDraws = 0;
    bool changed = false;
    int skippedLines = 0; // "sue" lines that did not hold a sound draw
    bool archiveFull = false;
};

struct UpdateSessionRequest {
    std::string server = kDefaultUpdateServer;
    std::filesystem::path rtfFile; // UserDataDir/Msg.rtf; empty: RTF messages are not downloaded
};

// The whole "Aggiorna" of the update window: request A, its interpretation, request B, the
// insertion of the draws, the closing messages, the RTF message and the page to open.
UpdateSessionResult RunUpdateSession(const UpdateSessionRequest& request, DrawArchive& archive,
                                     HttpFetcher& http, MessageService& messages, UpdateSessionHost& host);
