#pragma once
// TSet<E>: a set of enumeration values (ordinals 0..63), the framework's set
// type for option sets and component state.
#include <cstdint>
#include <initializer_list>

namespace tv {

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(E e) : bits_(Bit(e)) {}
    constexpr TSet(std::initializer_list<E> list) {
        for (E e : list) bits_ |= Bit(e);
    }
    static constexpr TSet FromBits(std::uint64_t b) { TSet s; s.bits_ = b; return s; }
    constexpr std::uint64_t Bits() const { return bits_; }

    constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet& Include(E e) { bits_ |= Bit(e); return *this; }
    constexpr TSet& Exclude(E e) { bits_ &= ~Bit(e); return *this; }

    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator|(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr TSet operator&(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet& operator+=(TSet o) { bits_ |= o.bits_; return *this; }
    constexpr TSet& operator|=(TSet o) { bits_ |= o.bits_; return *this; }
    constexpr TSet& operator-=(TSet o) { bits_ &= ~o.bits_; return *this; }
    constexpr bool operator==(const TSet&) const = default;
    // a <= b: every member of a is in b.
    constexpr bool operator<=(TSet o) const { return (bits_ & ~o.bits_) == 0; }

private:
    static constexpr std::uint64_t Bit(E e) { return std::uint64_t(1) << static_cast<unsigned>(e); }
    std::uint64_t bits_ = 0;
};

} // namespace tv
