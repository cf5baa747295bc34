#include "WiringCheck.h"

#include "PartsBase.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>

namespace {

bool StrictlyInside(TPt p, TPt a, TPt b)
{
    if (a.x == b.x && p.x == a.x) return std::min(a.y, b.y) < p.y && p.y < std::max(a.y, b.y);
    if (a.y == b.y && p.y == a.y) return std::min(a.x, b.x) < p.x && p.x < std::max(a.x, b.x);
    return false;
}

bool OnSegment(TPt p, const TSegment& s) { return p == s.A || p == s.B || StrictlyInside(p, s.A, s.B); }

// Whether a horizontal or vertical segment passes through the inside of a part's body (its edges do not count).
bool Crosses(const TSegment& s, const TPartsBase& part)
{
    const int left = std::min(s.A.x, s.B.x), right = std::max(s.A.x, s.B.x);
    const int top = std::min(s.A.y, s.B.y), bottom = std::max(s.A.y, s.B.y);
    const int pl = part.Left, pr = part.Left + part.Width, pt = part.Top, pb = part.Top + part.Height;
    if (top == bottom) return pt < top && top < pb && left < pr && right > pl;
    return pl < left && left < pr && top < pb && bottom > pt;
}

bool Overlap(const TPartsBase& p, const TPartsBase& q)
{
    return p.Left < q.Left + q.Width && q.Left < p.Left + p.Width && p.Top < q.Top + q.Height &&
           q.Top < p.Top + p.Height;
}

std::map<TPt, int> EndCounts(const std::vector<TSegment>& segments)
{
    std::map<TPt, int> count;
    for (const TSegment& s : segments) {
        ++count[s.A];
        ++count[s.B];
    }
    return count;
}

}  // namespace

std::vector<TSegment> SplitAndCheck(const std::vector<TSegment>& wires, const std::vector<const TPartsBase*>& parts)
{
    std::map<int, std::set<TPt>> endsByNet;
    for (const TSegment& s : wires) {
        if (s.A.x != s.B.x && s.A.y != s.B.y) throw std::logic_error("circuit builder: a slanted wire");
        endsByNet[s.Net].insert(s.A);
        endsByNet[s.Net].insert(s.B);
    }
    std::vector<TSegment> segments;
    for (const TSegment& s : wires) {
        if (s.A == s.B) continue;
        std::vector<TPt> cuts{s.A, s.B};
        for (TPt p : endsByNet[s.Net])
            if (StrictlyInside(p, s.A, s.B)) cuts.push_back(p);
        const auto distance = [&](TPt p) { return std::abs(p.x - s.A.x) + std::abs(p.y - s.A.y); };
        std::sort(cuts.begin(), cuts.end(), [&](TPt p, TPt q) { return distance(p) < distance(q); });
        for (size_t i = 0; i + 1 < cuts.size(); ++i) segments.push_back({cuts[i], cuts[i + 1], s.Net});
    }
    for (size_t i = 0; i < parts.size(); ++i)
        for (size_t j = i + 1; j < parts.size(); ++j)
            if (Overlap(*parts[i], *parts[j])) throw std::logic_error("circuit builder: two parts overlap");
    std::set<TPt> pins;
    for (const TPartsBase* part : parts)
        for (TPt p : Pins(*part)) pins.insert(p);
    std::map<TPt, int> endCount = EndCounts(segments);
    for (const TSegment& s : segments) {
        for (TPt p : pins)
            if (StrictlyInside(p, s.A, s.B)) throw std::logic_error("circuit builder: a wire through a terminal");
        for (const auto& [net, ends] : endsByNet)
            if (net != s.Net)
                for (TPt p : ends)
                    if (OnSegment(p, s)) throw std::logic_error("circuit builder: wires of two nets meet");
        for (TPt p : {s.A, s.B})
            if (endCount[p] < 2 && !pins.contains(p)) throw std::logic_error("circuit builder: a loose wire end");
        for (const TPartsBase* part : parts)
            if (Crosses(s, *part)) throw std::logic_error("circuit builder: a wire across a part");
    }
    return segments;
}

std::vector<TPt> Junctions(const std::vector<TSegment>& segments)
{
    std::vector<TPt> junctions;
    for (const auto& [p, count] : EndCounts(segments))
        if (count >= 3) junctions.push_back(p);
    return junctions;
}
