#include "exchange/group_blocks.h"

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
  Noted n{0, line.size(), static_cast<std::uint8_t>(group), block, false};
  const auto at = reinterpret_cast<std::uintptr_t>(line.data());
  const auto start = reinterpret_cast<std::uintptr_t>(input_.data());
  if (at >= start && at - start < input_.size()) {
    n.offset = at - start;
  } else {
    n.offset = copied_.size();
    n.copied = true;
    copied_.append(line);
  }
  // Grow by half: the list can reach a few megabytes.
  if (noted_.size() == noted_.capacity()) {
    noted_.reserve(noted_.size() + noted_.size() / 2 + 64);
    AdviseLargeBuffer(noted_.data(), noted_.capacity() * sizeof(Noted));
  }
  noted_.push_back(n);
}

void GroupBlockLines::MoveInto(RunState& state) {
  std::size_t sizes[kMaxGroups + 1][kBlockCount] = {};
  for (const Noted& n : noted_) sizes[n.group][static_cast<int>(n.block)] += n.length + 2;
  for (int g = 1; g <= kMaxGroups; ++g) {
    for (int b = 0; b < kBlockCount; ++b) {
      if (sizes[g][b] == 0) continue;
      std::string& text = BlockText(state.groups[g], static_cast<GroupBlock>(b));
      // A fresh string: reserve on a used one may round up to double.
      std::string sized;
      sized.reserve(text.size() + sizes[g][b]);
      AdviseLargeBuffer(sized.data(), sized.capacity());
      sized.append(text);
      text.swap(sized);
    }
  }
  for (const Noted& n : noted_) {
    const std::string_view from = n.copied ? std::string_view(copied_) : input_;
    std::string& text = BlockText(state.groups[n.group], n.block);
    text.append(from.substr(n.offset, n.length));
    text.append("\r\n", 2);
  }
  noted_ = {};
  copied_ = {};
}

}  // namespace kaveta
