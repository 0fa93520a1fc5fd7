#pragma once
// The states with withholding rules of their own, and which of them the state window has
// checked. What each one does is in its row of the registry (state/state_registry.h).

#include <bitset>
#include <cstddef>

namespace orvane {

enum class SpecialState { Louisiana, Arizona, Iowa, Missouri, Mass, Oregon, Idaho, Alabama, Kentucky, Wisconsin, NC };
inline constexpr std::size_t kSpecialStateCount = 11;

// Which special states the state window has checked.
class SpecialStateChecks {
public:
    bool operator[](SpecialState s) const { return m_bits[static_cast<std::size_t>(s)]; }
    void set(SpecialState s, bool on = true) { m_bits[static_cast<std::size_t>(s)] = on; }
    bool any() const { return m_bits.any(); }

private:
    std::bitset<kSpecialStateCount> m_bits;
};

}  // namespace orvane
