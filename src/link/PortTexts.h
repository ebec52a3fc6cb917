#pragma once

#include "Messages.h"
#include "ParameterSet.h"
#include "PortFailure.h"
#include "PortProbe.h"
#include "PortReconnect.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ign {

// The texts about ports and connections, by what they say; each exists in
// English, Czech and German (language codes 0, 1, 2; any other is English).
enum class PortText : std::uint8_t {
    Missing,           // %1 the port, %2 the ports there are
    MissingNoPorts,    // %1
    MissingUnlisted,   // %1, the ports there are not looked up
    Busy,              // %1
    NoPermission,      // %1
    JoinGroup,         // %2 the group, %3 the user, %4 the command
    LogInAgain,        // %2, %3
    AskAdministrator,  //
    Other,             // %1, %2 the system's words
    OtherUnexplained,  // %1
    Disconnected,
    NotOpen,  // %1 the short cause below
    CauseMissing,
    CauseBusy,
    CauseNoPermission,
    CauseOther,
    Nonsense,  // %1
    SimulatedUnit,
    NotListed,  // a port name the system does not list
    // What a test of a port found (PortProbe).
    ProbeTesting,        // %1
    ProbeUnitAnswered,   // %1, %2 version, %3 date, %4 time
    ProbeMonitorFrames,  // %1
    ProbeSilent,         // %1
    ProbeBusyLink,       // a transfer runs
};

std::string_view PortTextOf(PortText id, Byte language);

// The text with %1, %2 ... replaced by the arguments in one pass, so an
// argument that itself holds "%2" stays as it is.
std::string FillPortText(PortText id, Byte language, std::initializer_list<std::string_view> args);

// Why the port would not open, in plain words, with the port's name and what
// to do: the informative text under "Com opening error", and the command-line
// tool's explanation.
std::string PortFailureText(const PortFacts& facts, Byte language);

// The connection field of the status line: empty while all is well, a short
// word while the port is not open (the cause with it when it never opened),
// and a warning while the device on it does not speak the unit's protocol.
std::string ConnectionFieldText(const PortReconnect& port, bool speaksNonsense, std::string_view portName,
                                Byte language);

// What a test of a port found, once it is over (Running says it is under way).
std::string ProbeOutcomeText(const PortProbe& probe, ProbeOutcome outcome, std::string_view portName,
                             Byte language);

}  // namespace ign
