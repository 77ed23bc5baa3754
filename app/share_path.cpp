#include "app/share_path.h"

#include <cstdlib>
#include <filesystem>

namespace app {

namespace {

std::vector<std::string> pathParts(const std::string& sharePath) {
    std::vector<std::string> parts;
    std::string part;
    for (char ch : sharePath + "\\") {
        if (ch == '\\' || ch == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += ch;
        }
    }
    return parts;
}

std::string joined(std::string base, const std::vector<std::string>& parts, std::size_t from) {
    for (std::size_t i = from; i < parts.size(); ++i) base += "/" + parts[i];
    return base + "/";
}

std::string lower(std::string s) {
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

}  // namespace

ShareEnvironment currentShareEnvironment() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* home = std::getenv("HOME");
    return {runtime ? runtime : "", home ? home : ""};
}

std::vector<std::string> shareCandidates(const std::string& host, const std::string& sharePath,
                                         const ShareEnvironment& env) {
    const auto parts = pathParts(sharePath);
    if (parts.empty()) return {};
    const std::string& share = parts[0];
    std::vector<std::string> candidates;
    if (host == "127.0.0.1" || lower(host) == "localhost") {
        if (!env.homeDir.empty()) candidates.push_back(joined(env.homeDir + "/" + share, parts, 1));
        candidates.push_back(joined("/srv/" + share, parts, 1));
    }
    if (!env.runtimeDir.empty())
        candidates.push_back(joined(env.runtimeDir + "/gvfs/smb-share:server=" + lower(host) +
                                        ",share=" + lower(share),
                                    parts, 1));
    candidates.push_back(joined("/mnt/" + host + "/" + share, parts, 1));
    candidates.push_back(joined("/media/" + host + "/" + share, parts, 1));
    return candidates;
}

std::string resolveShare(const std::string& host, const std::string& sharePath,
                         const ShareEnvironment& env) {
    const auto candidates = shareCandidates(host, sharePath, env);
    for (const auto& c : candidates) {
        std::error_code ec;
        if (std::filesystem::is_directory(c, ec)) return c;
    }
    return candidates.empty() ? std::string() : candidates.front();
}

}  // namespace app
