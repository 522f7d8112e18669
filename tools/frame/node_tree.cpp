#include "tools/frame/node_tree.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The vertices beneath a child, as the smallest box that holds them.
struct Bounds {
    int left = 0, right = -1, bottom = 0, top = -1;

    bool Empty() const { return right < left; }
    void Add(int x, int y) {
        if (Empty()) {
            left = right = x;
            bottom = top = y;
            return;
        }
        left = std::min(left, x), right = std::max(right, x);
        bottom = std::min(bottom, y), top = std::max(top, y);
    }
    void Add(const Bounds& other) {
        if (other.Empty()) return;
        Add(other.left, other.bottom);
        Add(other.right, other.top);
    }
};

enum class Visit { kNever, kOnPath, kDone };

std::string Printed(const char* format, int a, int b = 0) {
    char text[96];
    snprintf(text, sizeof text, format, a, b);
    return text;
}

bool InTable(int index, int count) {
    return index >= 0 && index < count;
}

class TreeReader {
public:
    explicit TreeReader(const LevelView& level) : level_(level) {
        tree_.nodes = level.numNodes;
        tree_.subsectors = level.numSubsectors;
        tree_.segs = level.numSegs;
        tree_.nodeDepth.assign(size_t(std::max(level.numNodes, 0)), 0);
        tree_.subsectorDepth.assign(size_t(std::max(level.numSubsectors, 0)), -1);
        nodeVisit_.assign(tree_.nodeDepth.size(), Visit::kNever);
        nodeBounds_.resize(tree_.nodeDepth.size());
        subsectorBounds_.resize(tree_.subsectorDepth.size());
        segOwners_.assign(size_t(std::max(level.numSegs, 0)), 0);
    }

    NodeTree Read() {
        for (int i = 0; i < level_.numSubsectors; ++i) ReadSubsector(i);
        const uint16_t root = static_cast<uint16_t>(level_.numNodes - 1);
        ReadChild(root, 0, -1, 0);
        for (int i = 0; i < level_.numNodes; ++i) {
            if (nodeVisit_[i] == Visit::kNever)
                Fault("unreached", "node", i, "never reached from the root");
        }
        long depthSum = 0;
        int reached = 0;
        for (int i = 0; i < level_.numSubsectors; ++i) {
            const int depth = tree_.subsectorDepth[i];
            if (depth < 0) {
                Fault("unreached", "subsector", i, "never reached from the root");
                continue;
            }
            depthSum += depth;
            reached++;
        }
        if (reached > 0) tree_.meanSubsectorDepth = double(depthSum) / reached;
        if (level_.numSubsectors > 0) tree_.idealDepth = std::log2(double(level_.numSubsectors));
        return std::move(tree_);
    }

private:
    void Fault(const char* kind, const char* record, int index, std::string detail) {
        tree_.faults.push_back({kind, record, index, std::move(detail)});
    }

    // What the renderer skips in one subsector's run of segs, and the
    // bounds of the vertices it can place.
    void ReadSubsector(int index) {
        const MapSubsector& subsector = level_.subsectors[index];
        const int first = subsector.firstSeg;
        const int count = subsector.segCount;
        if (count <= 0) {
            Fault("no-segs", "subsector", index, Printed("seg count %d", count));
            return;
        }
        if (!InTable(first, level_.numSegs) || !InTable(first + count - 1, level_.numSegs)) {
            Fault("segs-outside", "subsector", index,
                  Printed("segs %d to %d run outside the seg table", first, first + count - 1));
        }
        for (int i = std::max(first, 0); i < std::min(first + count, level_.numSegs); ++i) {
            if (++segOwners_[i] == 2) {
                Fault("seg-shared", "seg", i, Printed("also in subsector %d", index));
            }
            if (segOwners_[i] == 1) ReadSeg(i, subsectorBounds_[index]);
        }
    }

    void ReadSeg(int index, Bounds& bounds) {
        const MapSeg& seg = level_.segs[index];
        if (!InTable(seg.startVertex, level_.numVertexes) ||
            !InTable(seg.endVertex, level_.numVertexes)) {
            Fault("vertex-outside", "seg", index,
                  Printed("vertices %d and %d, skipped whole", seg.startVertex, seg.endVertex));
            return;
        }
        for (const int v : {int(seg.startVertex), int(seg.endVertex)}) {
            bounds.Add(level_.vertexes[v].x, level_.vertexes[v].y);
        }
        const char* lost = nullptr;
        int reference = seg.linedef;
        if (!InTable(seg.linedef, level_.numLinedefs)) {
            lost = "linedef %d outside the table, no wall";
        } else {
            reference = level_.linedefs[seg.linedef].sideNum[seg.side == 0 ? 0 : 1];
            if (!InTable(reference, level_.numSidedefs)) {
                lost = "sidedef %d outside the table, no wall";
            } else {
                reference = level_.sidedefs[reference].sector;
                if (!InTable(reference, level_.numSectors))
                    lost = "sector %d outside the table, no wall";
            }
        }
        if (lost != nullptr) Fault("no-sector", "seg", index, Printed(lost, reference));
    }

    // Reads the child reference found at slot of parent (-1: the root), at
    // depth nodes below the top, and gives the bounds of what lies beneath.
    Bounds ReadChild(uint16_t child, int depth, int parent, int slot) {
        if (child & 0x8000) {
            const int index = child == 0xFFFF ? 0 : child & 0x7FFF;
            if (!InTable(index, level_.numSubsectors)) {
                ChildOutside(parent, slot, child);
                return {};
            }
            int& known = tree_.subsectorDepth[index];
            if (known >= 0)
                Fault("reached-twice", "subsector", index, Printed("again at depth %d", depth));
            if (known < 0) known = depth;
            return subsectorBounds_[index];
        }
        if (!InTable(child, level_.numNodes)) {
            ChildOutside(parent, slot, child);
            return {};
        }
        Visit& visit = nodeVisit_[child];
        if (visit == Visit::kOnPath) {
            Fault("cycle", "node", child,
                  Printed("reached again from beneath itself, node %d", parent));
            return {};
        }
        if (visit == Visit::kDone) {
            Fault("reached-twice", "node", child, Printed("again from node %d", parent));
            return nodeBounds_[child];
        }
        visit = Visit::kOnPath;
        const MapNode& node = level_.nodes[child];
        tree_.nodeDepth[child] = depth + 1;
        tree_.depth = std::max(tree_.depth, depth + 1);
        if (node.dx == 0 && node.dy == 0) {
            Fault("zero-partition", "node", child, Printed("at (%d, %d)", node.x, node.y));
        }
        Bounds all;
        for (int k = 0; k < 2; ++k) {
            const Bounds beneath = ReadChild(node.children[k], depth + 1, child, k);
            CheckBox(child, k, beneath);
            all.Add(beneath);
        }
        visit = Visit::kDone;
        nodeBounds_[child] = all;
        return all;
    }

    // Only a map without nodes has a root outside its tables: subsector 0
    // of an empty subsector table.
    void ChildOutside(int parent, int slot, uint16_t child) {
        if (parent < 0) {
            Fault("child-outside", "subsector", 0, "the root, outside the subsector table");
            return;
        }
        Fault("child-outside", "node", parent,
              Printed("child %d is 0x%04X, outside the tables", slot, child));
    }

    // The stored box is top, bottom, left, right; the viewer orders each
    // pair before it tests, and so does this.
    void CheckBox(int index, int slot, const Bounds& beneath) {
        if (beneath.Empty()) return;
        int16_t box[4];
        memcpy(box, level_.nodes[index].bbox[slot], sizeof box);
        const bool holds =
            std::min(box[2], box[3]) <= beneath.left && std::max(box[2], box[3]) >= beneath.right &&
            std::min(box[0], box[1]) <= beneath.bottom && std::max(box[0], box[1]) >= beneath.top;
        if (holds) return;
        char detail[160];
        snprintf(detail, sizeof detail,
                 "child %d box x %d..%d y %d..%d, its segs reach x %d..%d y %d..%d", slot,
                 std::min(box[2], box[3]), std::max(box[2], box[3]), std::min(box[0], box[1]),
                 std::max(box[0], box[1]), beneath.left, beneath.right, beneath.bottom,
                 beneath.top);
        Fault("box-too-small", "node", index, detail);
    }

    const LevelView& level_;
    NodeTree tree_;
    std::vector<Visit> nodeVisit_;
    std::vector<Bounds> nodeBounds_;
    std::vector<Bounds> subsectorBounds_;
    std::vector<int> segOwners_;
};

}  // namespace

NodeTree ReadNodeTree(const LevelView& level) {
    return TreeReader(level).Read();
}

double TreeBalance(const NodeTree& tree) {
    return tree.idealDepth > 0 ? tree.meanSubsectorDepth / tree.idealDepth : 0;
}
