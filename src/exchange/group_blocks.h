// The figure lines of the colour groups, gathered while the exchange input
// is read and copied into the groups' blocks once at the end, each block at
// its final size: growing sixteen texts line by line would keep up to twice
// the input in memory for a large selection.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/run_state.h"

namespace kaveta {

enum class GroupBlock : std::uint8_t { Measured, TwoPoint, Sc, Se, So, Sg };

class GroupBlockLines {
 public:
  // Lines inside `input` are noted by place; others (converted ones) are copied.
  explicit GroupBlockLines(std::string_view input) : input_(input) {}

  void Note(int group, GroupBlock block, std::string_view line);
  // Appends every noted line and CR LF to its block, in reading order, after
  // what the block already held.
  void MoveInto(RunState& state);

 private:
  struct Noted {
    std::size_t offset;  // in input_, or in copied_
    std::size_t length;
    std::uint8_t group;
    GroupBlock block;
    bool copied;
  };

  std::string_view input_;
  std::vector<Noted> noted_;
  std::string copied_;
};

}  // namespace kaveta
