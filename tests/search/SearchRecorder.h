#pragma once
// Records the events of a TFileSearch in the order they arrive, paths relative to a root.
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "FileSearch.h"

struct SearchRecorder {
    std::string root;
    std::vector<std::string> events; // "new <folder>", "found <path>", "complete"
    std::vector<twinsweep::TSearchRec> entries;
    int completed = 0;
    bool offUiThread = false;

    SearchRecorder(twinsweep::TFileSearch& search, std::string treeRoot) : root(treeRoot) {
        using twinsweep::TFileSearch, twinsweep::TSearchRec;
        const auto log = [this, ui = std::this_thread::get_id()](std::string event) {
            offUiThread |= std::this_thread::get_id() != ui;
            events.push_back(std::move(event));
        };
        search.OnFound = [=, this](TFileSearch&, const std::string& folder, TSearchRec& entry) {
            log("found " + relative(folder + "/" + entry.Name));
            entries.push_back(entry);
        };
        search.OnNewFolder = [=, this](TFileSearch&, const std::string& folder, bool&) {
            log("new " + relative(folder));
        };
        search.OnComplete = [=, this](TFileSearch&) {
            log("complete");
            ++completed;
        };
    }

    std::set<std::string> found() const {
        std::set<std::string> paths;
        for (const std::string& event : events)
            if (event.starts_with("found "))
                paths.insert(event.substr(6));
        return paths;
    }
    size_t count(const std::string& prefix) const {
        size_t n = 0;
        for (const std::string& event : events)
            n += event.starts_with(prefix);
        return n;
    }

private:
    std::string relative(const std::string& path) const {
        return path == root                   ? "."
               : path.starts_with(root + "/") ? path.substr(root.size() + 1)
                                              : path;
    }
};

// Chains extra behaviour after the search's current OnFound handler.
inline void ChainOnFound(twinsweep::TFileSearch& search,
                         std::function<void(twinsweep::TFileSearch&)> extra) {
    search.OnFound = [record = search.OnFound, extra = std::move(extra)](
                         twinsweep::TFileSearch& sender, const std::string& folder,
                         twinsweep::TSearchRec& entry) {
        record(sender, folder, entry);
        extra(sender);
    };
}
