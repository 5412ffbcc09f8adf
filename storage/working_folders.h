#pragma once
// Every running copy of the program has a working folder of its own below the program's
// "temp" folder ("kopie" + its process number), claimed by a lock file beside it
// (system/file_lock.h) that the system releases when the copy ends, however it ends. So two
// copies on one program folder never empty each other's media, and the folders a copy that
// died left behind are known by their free lock and cleared at a later start.
#include "system/file_lock.h"

#include <string>

class WorkingFolderClaim {
public:
    // Claims a working folder below `tempFolder` (made when missing) and clears the leftovers
    // of copies that no longer run. With an empty name nothing is claimed.
    explicit WorkingFolderClaim(const std::string& tempFolder);
    // The copy ends: its working folder and lock file go.
    ~WorkingFolderClaim();
    WorkingFolderClaim(const WorkingFolderClaim&) = delete;
    WorkingFolderClaim& operator=(const WorkingFolderClaim&) = delete;

    // This copy's working folder, ending in "/"; empty when none could be claimed.
    const std::string& folder() const { return folder_; }
    // Whether another copy that is still running has a working folder below the same "temp".
    bool othersRunning() const;

private:
    std::string temp_;
    std::string name_;
    std::string folder_;
    FileLock lock_;
};
