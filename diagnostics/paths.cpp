#include "diagnostics/paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

struct PathsState {
    std::string home = ".";
};
PathsState paths;

std::vector<std::string> SplitPath(const std::string& relative) {
    std::vector<std::string> parts;
    std::string part;
    for (char ch : relative) {
        if (ch == '/' || ch == '\\') {
            if (!part.empty() && part != ".") parts.push_back(part);
            part.clear();
        } else {
            part += ch;
        }
    }
    if (!part.empty() && part != ".") parts.push_back(part);
    return parts;
}

// The on-disk spelling of name inside dir: an exact match first, then the
// first case-insensitive one in directory order sorted for determinism.
bool FindEntry(const std::string& dir, const std::string& name, std::string* found) {
    struct stat st;
    if (stat((dir + "/" + name).c_str(), &st) == 0) {
        *found = name;
        return true;
    }
    DIR* d = opendir(dir.c_str());
    if (!d) return false;
    bool any = false;
    while (dirent* e = readdir(d)) {
        if (strcasecmp(e->d_name, name.c_str()) != 0) continue;
        if (!any || std::string(e->d_name) < *found) *found = e->d_name;
        any = true;
    }
    closedir(d);
    return any;
}

}  // namespace

void SetHomeDir(const std::string& dir) {
    paths.home = dir.empty() ? std::string(".") : dir;
    while (paths.home.size() > 1 && paths.home.back() == '/') paths.home.pop_back();
}

const std::string& HomeDir() { return paths.home; }

std::string GamePath(const std::string& relative) {
    std::string path = paths.home;
    bool matching = true;
    for (const std::string& part : SplitPath(relative)) {
        std::string found;
        if (part == "..") {
            found = part;
        } else if (!(matching && FindEntry(path, part, &found))) {
            matching = false;
            found = part;
        }
        path += "/" + found;
    }
    return path;
}

bool GameFileExists(const std::string& relative) {
    struct stat st;
    return stat(GamePath(relative).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void DeleteGameFile(const std::string& relative) {
    unlink(GamePath(relative).c_str());
}
