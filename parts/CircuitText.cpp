#include "CircuitText.h"

#include "Board.h"
#include "ClassRegistry.h"
#include "Container.h"
#include "Cp932.h"
#include "Messages.h"
#include "TextKeys.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr std::string_view ClassLinePrefix = "ClassName=";
constexpr std::string_view EndLine = "End";

const TPartClass* ClassOfLine(const std::string& line)
{
    const std::string_view text(line);
    if (!text.starts_with(ClassLinePrefix)) return nullptr;
    return FindPartClass(text.substr(ClassLinePrefix.size()));
}

// Replaces what code page 932 cannot hold in lines [from, end) by '?'; answers whether any was.
bool KeepToCodePage(TStrings& lines, size_t from)
{
    bool anyLost = false;
    for (size_t i = from; i < lines.size(); ++i) {
        if (IsAscii(lines[i])) continue;
        bool lost = false;
        const std::string bytes = Utf8ToCp932(lines[i], &lost);
        if (!lost) continue;
        lines[i] = Cp932ToUtf8(bytes);
        anyLost = true;
    }
    return anyLost;
}

// Unless the read completes, destroys every object appended to the board since it began, the
// last first.
class TCreatedObjects {
public:
    explicit TCreatedObjects(TBord& board) : board_(board), countBefore_(board.Count()) {}
    TCreatedObjects(const TCreatedObjects&) = delete;
    TCreatedObjects& operator=(const TCreatedObjects&) = delete;
    ~TCreatedObjects()
    {
        if (kept_) return;
        while (board_.Count() > countBefore_) board_.Destroy(board_.Items(board_.Count() - 1));
    }
    void Add(TPartsBase* object) { objects_.push_back(object); }
    std::vector<TPartsBase*>& Objects() { return objects_; }
    void Keep() { kept_ = true; }

private:
    TBord& board_;
    int countBefore_;
    std::vector<TPartsBase*> objects_;
    bool kept_ = false;
};

// Creates one object per recognised block; a block whose "End" is missing fails the read, and so
// does text that holds something but no object at all, which would read as an empty circuit.
void ReadBlocks(const TStrings& lines, TBord& board, Canvas* windowSurface, TCreatedObjects& created)
{
    size_t i = 1;
    while (i < lines.size()) {
        const TPartClass* partClass = ClassOfLine(lines[i]);
        ++i;
        if (!partClass) continue;
        TPartsBase* object = partClass->Create(board, windowSurface);
        created.Add(object);
        const auto first = lines.begin() + static_cast<std::ptrdiff_t>(i);
        const auto end = std::find(first, lines.end(), EndLine);
        try {
            if (end == lines.end()) throw TFormatError(Tr("The file ends in the middle of an object"));
            object->LoadFromStrings(TStrings(first, end));
        } catch (TFormatError& error) {
            error.Line = i;
            throw;
        }
        object->SetTanshi();
        i = static_cast<size_t>(end - lines.begin()) + 1;
    }
    const auto blank = [](const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; };
    if (created.Objects().empty() && lines.size() > 1 && !std::all_of(lines.begin() + 1, lines.end(), blank))
        throw TFormatError(Tr("No object could be read: no line from line 2 to the end of the text (line %1) begins an "
                              "object",
                              {std::to_string(lines.size())}));
}

// Walks every container chain of the objects read and cuts each loop at the object that closes
// it, which goes into curContainer instead, so that containment stays a tree.
void BreakContainmentLoops(const std::vector<TPartsBase*>& read, TContainer* curContainer)
{
    enum TState : uint8_t { Unseen, OnPath, Done };
    std::unordered_map<const TPartsBase*, TState> state;
    state.reserve(read.size());
    for (const TPartsBase* o : read) state.emplace(o, Unseen);
    std::vector<TPartsBase*> path;
    for (TPartsBase* start : read) {
        path.clear();
        for (TPartsBase* o = start; o;) {
            const auto it = state.find(o);
            // Objects that were on the board before already form a tree.
            if (it == state.end() || it->second == Done) break;
            if (it->second == OnPath) {
                path.back()->Container = curContainer;
                break;
            }
            it->second = OnPath;
            path.push_back(o);
            o = o->Container;
        }
        for (const TPartsBase* o : path) state[o] = Done;
    }
}

// An empty ContainerName puts the object into curContainer; a name of no object read leaves it
// at top level; a name whose objects are no container puts it into curContainer too, since only
// a container can hold objects. Of several containers with one name, the last one counts.
void LinkContainers(const std::vector<TPartsBase*>& read, TContainer* curContainer)
{
    std::unordered_map<std::string_view, TContainer*> named;
    named.reserve(read.size());
    for (TPartsBase* o : read) {
        auto& box = named.try_emplace(o->Name, nullptr).first->second;
        if (o->Is(cfContainer)) box = static_cast<TContainer*>(o);
    }
    for (TPartsBase* o : read) {
        if (o->ContainerName.empty()) {
            o->Container = curContainer;
            continue;
        }
        const auto it = named.find(o->ContainerName);
        if (it == named.end())
            o->Container = nullptr;
        else
            o->Container = it->second ? it->second : curContainer;
    }
    BreakContainmentLoops(read, curContainer);
}

}  // namespace

TPartsList SaveParts(const TPartsList& list, TStrings& lines)
{
    for (int n = 0; n < list.Count(); ++n) list.Items(n)->Name = list.Items(n)->ClassName() + std::to_string(n);
    std::unordered_set<const TPartsBase*> written(list.begin(), list.end());
    for (TPartsBase* o : list)
        o->ContainerName = o->Container && written.contains(o->Container) ? o->Container->Name : std::string();

    TPartsList lossy;
    lines.clear();
    // The class line, eleven common keys, at most two class keys and the end line.
    lines.reserve(1 + static_cast<size_t>(list.Count()) * 15);
    lines.emplace_back(CircuitTextHeader);
    for (TPartsBase* o : list) {
        const size_t first = lines.size();
        o->SaveToStrings(lines);
        lines.emplace_back(EndLine);
        if (KeepToCodePage(lines, first)) lossy.Add(o);
    }
    for (TPartsBase* o : list) {
        o->Name.clear();
        o->ContainerName.clear();
    }
    return lossy;
}

void LoadParts(const TStrings& lines, TPartsList& result, TBord& board, TContainer* curContainer,
               Canvas* windowSurface, std::vector<std::string>* names)
{
    result.Clear();
    if (names) names->clear();
    TCreatedObjects created(board);
    ReadBlocks(lines, board, windowSurface, created);
    created.Keep();

    std::vector<TPartsBase*>& read = created.Objects();
    LinkContainers(read, curContainer);

    // Sub-board terminals exist only inside a container.
    std::vector<TPartsBase*> stray;
    std::erase_if(read, [&](TPartsBase* o) {
        if (!o->Is(cfSubTerminal) || o->Container) return false;
        stray.push_back(o);
        return true;
    });
    board.DestroyAll(stray);

    // Objects read into a box that has moved since its last drag began take their places in it.
    if (curContainer) curContainer->ChangeCldPartsLeftTop();

    result.Reserve(read.size());
    if (names) names->reserve(read.size());
    for (TPartsBase* o : read) {
        if (names) names->push_back(std::move(o->Name));
        o->Name.clear();
        o->ContainerName.clear();
        o->SetGrab(0, 0);
        result.Add(o);
    }
}
