#pragma once
// The attribute filter of a search: a set of five flags in one byte.
#include <cstdint>
#include <initializer_list>

namespace twinsweep {

enum TFileAttribute : uint8_t { ffArchive, ffReadonly, ffHidden, ffSystem, ffDirectory };

class TFileAttributes {
public:
    constexpr TFileAttributes() = default;
    constexpr TFileAttributes(std::initializer_list<TFileAttribute> flags) {
        for (TFileAttribute flag : flags)
            bits_ |= Bit(flag);
    }
    // Bit 0 is ffArchive, up to bit 4 for ffDirectory; higher bits are dropped.
    static constexpr TFileAttributes FromBits(uint8_t bits) {
        TFileAttributes set;
        set.bits_ = bits & 0x1F;
        return set;
    }
    // The flags of a Windows-style attribute word; other bits are ignored.
    static TFileAttributes FromAttributeWord(uint32_t word);

    constexpr uint8_t Bits() const { return bits_; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool Contains(TFileAttribute flag) const { return (bits_ & Bit(flag)) != 0; }
    constexpr void Include(TFileAttribute flag) { bits_ |= Bit(flag); }
    constexpr void Exclude(TFileAttribute flag) { bits_ &= uint8_t(~Bit(flag)); }
    constexpr bool Intersects(TFileAttributes other) const { return (bits_ & other.bits_) != 0; }
    constexpr bool operator==(const TFileAttributes&) const = default;

private:
    static constexpr uint8_t Bit(TFileAttribute flag) { return uint8_t(1u << flag); }
    uint8_t bits_ = 0;
};

} // namespace twinsweep
