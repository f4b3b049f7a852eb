#include "exchange/group_blocks.h"

#include <algorithm>
#include <cstdint>

#include "platform/memory.h"

namespace kaveta {
namespace {

constexpr int kBlockCount = 6;

std::string& BlockText(ColourGroup& g, GroupBlock block) {
  switch (block) {
    case GroupBlock::Measured: return g.measuredLines;
    case GroupBlock::TwoPoint: return g.twoPointLines;
    case GroupBlock::Sc: return g.scLines;
    case GroupBlock::Se: return g.seLines;
    case GroupBlock::So: return g.soLines;
    case GroupBlock::Sg: break;
  }
  return g.sgLines;
}

}  // namespace

void GroupBlockLines::Note(int group, GroupBlock block, std::string_view line) {
  if (group < 1 || group > kMaxGroups) return;
  Noted n{0, 0, static_cast<std::uint8_t>(group), block, false, false};
  const auto at = reinterpret_cast<std::uintptr_t>(line.data());
  const auto start = reinterpret_cast<std::uintptr_t>(input_.data());
  if (at >= start && at - start < input_.size()) {
    n.offset = at - start;
  } else {
    n.offset = copied_.size();
    n.copied = true;
    copied_.append(line);
  }
  // A line longer than a length holds is noted in pieces.
  constexpr std::size_t kMaxPiece = UINT32_MAX;
  std::size_t left = line.size();
  while (left > kMaxPiece) {
    n.length = static_cast<std::uint32_t>(kMaxPiece);
    n.continued = true;
    Add(n);
    n.offset += kMaxPiece;
    left -= kMaxPiece;
  }
  n.length = static_cast<std::uint32_t>(left);
  n.continued = false;
  Add(n);
}

void GroupBlockLines::Add(const Noted& n) {
  // Grow by half: the list can reach a few megabytes.
  if (noted_.size() == noted_.capacity()) {
    noted_.reserve(noted_.size() + noted_.size() / 2 + 64);
    AdviseLargeBuffer(noted_.data(), noted_.capacity() * sizeof(Noted));
  }
  noted_.push_back(n);
}

// The release steps are whole steps of the address space, so that each
// release covers whole pages, huge ones too.
GroupBlockLines::GroupBlockLines(std::string& input)
    : input_(input), releasable_(input.data()) {
  const auto at = reinterpret_cast<std::uintptr_t>(releasable_);
  released_ = ((at + kReleaseStep - 1) & ~std::uintptr_t{kReleaseStep - 1}) - at;
  nextRelease_ = released_ + 2 * kReleaseStep;
}

void GroupBlockLines::Release(RunState& state, std::size_t offset) {
  // The blocks grow in few steps: each to what the whole input would give
  // at the rate read so far.
  Flush(state, static_cast<double>(input_.size()) / static_cast<double>(offset) * 1.125);
  const std::size_t end = released_ + (offset - released_) / kReleaseStep * kReleaseStep;
  ReleaseReadPages(releasable_ + released_, releasable_ + end);
  released_ = end;
  nextRelease_ = end + 2 * kReleaseStep;
}

void GroupBlockLines::Flush(RunState& state, double scale) {
  std::size_t sizes[kMaxGroups + 1][kBlockCount] = {};
  for (const Noted& n : noted_)
    sizes[n.group][static_cast<int>(n.block)] += n.length + (n.continued ? 0 : 2);
  for (int g = 1; g <= kMaxGroups; ++g) {
    for (int b = 0; b < kBlockCount; ++b) {
      if (sizes[g][b] == 0) continue;
      std::string& text = BlockText(state.groups[g], static_cast<GroupBlock>(b));
      const std::size_t needed = text.size() + sizes[g][b];
      if (needed <= text.capacity()) continue;
      // What the whole input would give at the rate seen so far, but no
      // more than it could add at all.
      const double wanted = std::min(static_cast<double>(needed) * scale,
                                     static_cast<double>(needed + input_.size()));
      // A fresh string: reserve on a used one may round up to double.
      std::string sized;
      sized.reserve(std::max(needed, static_cast<std::size_t>(wanted)));
      AdviseLargeBuffer(sized.data(), sized.capacity());
      sized.append(text);
      text.swap(sized);
    }
  }
  for (const Noted& n : noted_) {
    const std::string_view from = n.copied ? std::string_view(copied_) : input_;
    std::string& text = BlockText(state.groups[n.group], n.block);
    text.append(from.substr(n.offset, n.length));
    if (!n.continued) text.append("\r\n", 2);
  }
  noted_.clear();
  copied_.clear();
}

void GroupBlockLines::MoveInto(RunState& state) {
  Flush(state, 1.0);
  noted_ = {};
  copied_ = {};
}

}  // namespace kaveta
