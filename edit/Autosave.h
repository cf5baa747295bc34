#pragma once

#include "PartsBase.h"

#include <optional>
#include <string>

// The recovery copy of a document with unsaved changes: one file per running editor in a folder
// of the user's data, never the document's own file. A copy whose editor is no longer running
// was left by a crash, and the next start offers it.
class TAutosave {
public:
    // folder: where the copies are kept; made when the first copy is written.
    explicit TAutosave(std::string folder);

    // Replaces this editor's copy with the text.
    void Write(const TStrings& lines);
    // Removes this editor's copy: the document is saved, new, or the editor ends cleanly.
    void Remove() noexcept;
    // A copy that an editor no longer running has left behind, if any.
    std::optional<std::string> Orphan() const;

    const std::string& Own() const { return own_; }

private:
    std::string folder_;
    std::string own_;
};
