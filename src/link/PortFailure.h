#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ign {

// Why a serial port would not open, in the words a tuner can act on.
enum class PortFailure : std::uint8_t {
    Missing,       // no such device
    Busy,          // another program holds it
    NoPermission,  // the user may not read and write it
    Other,         // anything else; the system's own words say what
};

// What the platform found out about a port that would not open. The port
// layer fills it from the failed open and from the system; tests fill it by
// hand, so the decisions below need neither a device nor a root account.
struct PortFacts {
    std::string port;  // the name as tried (a device path, COM3, a by-id link)
    bool exists = true;
    bool accessDenied = false;   // the device is there, the user may not read and write it
    bool heldElsewhere = false;  // there and accessible, but locked or opened exclusively
    std::string systemText;      // the system's report, for what fits none of the above
    // The ports the system has, for a missing one; left unknown where nobody
    // will read it, since asking the system for them takes a while.
    std::optional<std::vector<std::string>> present;

    // Who may use the device, where the platform knows (POSIX); empty when unknown.
    std::string user;
    std::string group;            // the group that owns the device
    bool groupInAccount = false;  // the account database lists the user in that group
    bool groupInSession = false;  // this process already runs with that group
};

PortFailure ClassifyPortFailure(const PortFacts& facts);

// What a user without permission can do about it.
enum class PermissionAdvice : std::uint8_t {
    JoinGroup,         // not in the owning group: the command that adds the user
    LogInAgain,        // in the group by the account database, not yet in this session
    AskAdministrator,  // nothing the user can do alone (no group known, a system group, or already in it)
};

PermissionAdvice AdviseOnPermission(const PortFacts& facts);

// The command that adds the user to the group owning the device, e.g.
// "sudo usermod -aG dialout tuner".
std::string JoinGroupCommand(const PortFacts& facts);

}  // namespace ign
