#pragma once

#include <QString>
#include <exception>
#include <type_traits>

// The message as the error box shows it: "." appended when the last character sorts after ".".
QString ErrorBoxText(const QString& message);

// A modal box captioned with the program's title, with the error icon and OK.
void ReportError(const QString& message);
void ReportError(const std::exception& error);
// The same box with the warning icon, for what the user must know but is no error of a command.
void ReportWarning(const QString& message);

// Runs a creation handler (or other steps that must not stop what follows):
// an error skips the rest of them and is reported, and the caller goes on.
template <class Steps> void RunReportingErrors(Steps steps) {
    try {
        steps();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

// Every handler that Qt calls goes through this: Qt's own code is built
// without exceptions, so none may pass through it; the error is reported
// where the handler ends, and the program goes on with the next event.
// The constraint tells Qt how many of a signal's arguments the handler takes.
template <class Handler> auto Reporting(Handler handler) {
    return [handler](auto&&... arguments) requires(std::is_invocable_v<const Handler&, decltype(arguments)...> ||
                                                   std::is_invocable_v<const Handler&>) {
        RunReportingErrors([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                handler(arguments...);
            else
                handler(); // a handler that wants none of the signal's arguments
        });
    };
}
