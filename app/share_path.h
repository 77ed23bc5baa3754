#pragma once
// Where a shared folder of another machine ("\\host\share\sub\") is found on this desktop:
// GVFS mounts first, then /mnt/HOST/SHARE and /media/HOST/SHARE; this machine's own shares
// (127.0.0.1, localhost) are the share's folder under the user's home.
#include <string>
#include <vector>

namespace app {

struct ShareEnvironment {
    std::string runtimeDir;  // $XDG_RUNTIME_DIR
    std::string homeDir;     // $HOME
};

ShareEnvironment currentShareEnvironment();

// Folders, each ending in '/', where the share might be mounted, most likely first.
std::vector<std::string> shareCandidates(const std::string& host, const std::string& sharePath,
                                         const ShareEnvironment& env);
// The first candidate that exists, else the first candidate (so the error names a place).
std::string resolveShare(const std::string& host, const std::string& sharePath,
                         const ShareEnvironment& env);

}  // namespace app
