#include "PortFailure.h"

#include <algorithm>

namespace ign {

namespace {

// Account and group names come from the system's databases, but the command
// is meant to be pasted into a root shell: anything beyond the usual name
// characters is quoted, and a name that could pass for an option is never offered.
bool PlainName(const std::string& name) {
    return !name.empty() && name.front() != '-' && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-' || c == '.';
    });
}

std::string ShellWord(const std::string& name) {
    if (PlainName(name)) return name;
    std::string quoted = "'";
    for (char c : name) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

PortFailure ClassifyPortFailure(const PortFacts& facts) {
    if (!facts.exists) return PortFailure::Missing;
    if (facts.accessDenied) return PortFailure::NoPermission;
    if (facts.heldElsewhere) return PortFailure::Busy;
    return PortFailure::Other;
}

PermissionAdvice AdviseOnPermission(const PortFacts& facts) {
    // Joining root's group is no advice to give, and a name that begins with
    // a dash would be read as an option by the command.
    if (facts.user.empty() || facts.group.empty() || facts.group == "root" || facts.user.front() == '-' ||
        facts.group.front() == '-')
        return PermissionAdvice::AskAdministrator;
    if (!facts.groupInAccount) return PermissionAdvice::JoinGroup;
    // Group lists are fixed at login: a membership added since then counts
    // only in a new session.
    if (!facts.groupInSession) return PermissionAdvice::LogInAgain;
    return PermissionAdvice::AskAdministrator;
}

std::string JoinGroupCommand(const PortFacts& facts) {
    return "sudo usermod -aG " + ShellWord(facts.group) + " " + ShellWord(facts.user);
}

}  // namespace ign
