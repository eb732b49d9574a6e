#pragma once

#include "core/messages.h"

#include <cstdint>
#include <string>

// What a long operation needs from the window that runs it. The GUI host processes events and
// drives the stop button and the progress bar; tests and the command-line front end script it.
class OperationHost {
public:
    virtual ~OperationHost() = default;

    virtual std::int64_t nowMs() = 0;
    virtual void processMessages() = 0;
    virtual bool stopRequested() = 0;
    virtual void clearStopRequest() = 0;
    // Asks "Sei sicuro di voler interrompere l'elaborazione?" (No as default); true = stop.
    virtual bool confirmStop() = 0;
    virtual void showProgress(std::int64_t done) = 0;
    virtual void showStatus(const std::string& text) = 0;
    // The number of work units of the run, announced once before the work loop.
    virtual void setProgressMaximum(std::int64_t /*units*/) {}
};

// How a run ended; the window decides what to show and keep.
enum class OperationOutcome { Completed, Interrupted, GrowthFailed, NothingAdded };

// Paces a work loop: reads the clock only every `unitsPerClockRead` units and yields to the host
// once the interval has passed. step() returns true when the user confirmed a stop.
class OperationPacer {
public:
    OperationPacer(OperationHost& host, std::int64_t intervalMs, std::uint32_t unitsPerClockRead = 4096)
        : host_(host), intervalMs_(intervalMs), unitsPerRead_(unitsPerClockRead ? unitsPerClockRead : 1),
          countdown_(unitsPerRead_), lastYield_(host.nowMs()) {}

    bool step(std::int64_t progress) {
        if (--countdown_ != 0) return false;
        countdown_ = unitsPerRead_;
        return checkpoint(progress);
    }

    // Yields now if the interval has passed, whatever the unit count.
    bool checkpoint(std::int64_t progress, const std::string* status = nullptr) {
        if (host_.nowMs() - lastYield_ <= intervalMs_) return false;
        host_.processMessages();
        if (host_.stopRequested()) {
            if (host_.confirmStop()) return true;
            host_.clearStopRequest();
        }
        host_.showProgress(progress);
        if (status) host_.showStatus(*status);
        host_.processMessages();
        lastYield_ = host_.nowMs();
        return false;
    }

private:
    OperationHost& host_;
    std::int64_t intervalMs_;
    std::uint32_t unitsPerRead_;
    std::uint32_t countdown_;
    std::int64_t lastYield_;
};

inline constexpr const char* kConfirmStopText = "Sei sicuro di voler interrompere l'elaborazione?";

// The one stop confirmation every window asks: Yes stops, No (the default) goes on.
inline bool AskConfirmStop(MessageService& messages) {
    return messages.askYesNo(kConfirmStopText, MessageAnswer::No);
}
