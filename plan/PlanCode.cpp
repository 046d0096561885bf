// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/PlanCode.h"

#include "rules/RaceTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace Tarrowind_Module {

namespace {

constexpr char Version = '1';
constexpr std::string_view Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr int RaceBits = 3, LevelBits = 7, BonusBits = 16, LengthBits = 8, CheckBits = 32;
constexpr int CharacterBits = 6;
// "TWP", the version and "-".
constexpr std::size_t HeadLength = PlanCodePrefix.size() + 2;

constexpr std::array<std::uint32_t, 256> CrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? 0xEDB88320U ^ (crc >> 1) : crc >> 1;
        }
        table[byte] = crc;
    }
    return table;
}();

// The bits of a code, the first one the highest bit of the first character.
class Bits {
public:
    void Write(std::uint32_t value, int count) {
        for (int bit = count - 1; bit >= 0; --bit) {
            m_bits.push_back(((value >> bit) & 1U) != 0);
        }
    }

    std::size_t size() const { return m_bits.size(); }

    // CRC-32 of the first `count` bits, packed into bytes from the highest bit on.
    std::uint32_t Crc(std::size_t count) const {
        std::uint32_t crc = 0xFFFFFFFFU;
        for (std::size_t start = 0; start < count; start += 8) {
            std::uint32_t byte = 0;
            for (std::size_t bit = start; bit < start + 8; ++bit) {
                byte = (byte << 1) | (bit < count && m_bits[bit] ? 1U : 0U);
            }
            crc = CrcTable[(crc ^ byte) & 0xFFU] ^ (crc >> 8);
        }
        return crc ^ 0xFFFFFFFFU;
    }

    std::string Characters() const {
        std::string text;
        for (std::size_t start = 0; start < m_bits.size(); start += CharacterBits) {
            std::size_t index = 0;
            for (std::size_t bit = start; bit < start + CharacterBits; ++bit) {
                index = (index << 1) | (bit < m_bits.size() && m_bits[bit] ? 1U : 0U);
            }
            text += Alphabet[index];
        }
        return text;
    }

    // The bits of base64url characters; nothing when one is not of the alphabet.
    static std::optional<Bits> FromCharacters(std::string_view text) {
        Bits bits;
        for (const char character : text) {
            const std::size_t index = Alphabet.find(character);
            if (index == std::string_view::npos) {
                return std::nullopt;
            }
            bits.Write(static_cast<std::uint32_t>(index), CharacterBits);
        }
        return bits;
    }

    // Reads on from where the last read ended.
    std::uint32_t Read(int count) {
        std::uint32_t value = 0;
        for (int bit = 0; bit < count; ++bit) {
            value = (value << 1) | (m_bits.at(m_next++) ? 1U : 0U);
        }
        return value;
    }
    std::size_t position() const { return m_next; }

private:
    std::vector<bool> m_bits;
    std::size_t m_next = 0;
};

bool SameEntry(const SkillPlanEntry &a, const SkillPlanEntry &b) {
    return a.Base == b.Base && a.EQ == b.EQ && a.Goal == b.Goal;
}

} // namespace

std::string WritePlanCode(const CharacterPlan &plan) {
    if (plan.race < 0 || plan.race >= RaceCount) {
        throw std::invalid_argument("plan code: no such race");
    }
    CharacterPlan recalculated = plan;
    recalculated.Recalculate();
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        if (!SameEntry(recalculated.skills.at(s), plan.skills.at(s))) {
            throw std::invalid_argument("plan code: the plan is not recalculated");
        }
    }

    const CharacterPlan start = CharacterPlan::Started(plan.race);
    Bits bits;
    bits.Write(static_cast<std::uint32_t>(plan.race), RaceBits);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        bits.Write(SameEntry(plan.skills.at(s), start.skills.at(s)) ? 0U : 1U, 1);
    }
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &entry = plan.skills.at(s);
        if (!SameEntry(entry, start.skills.at(s))) {
            // A recalculated level lies between 0 and the race's maximum, at most 120.
            bits.Write(static_cast<std::uint32_t>(entry.Base), LevelBits);
            bits.Write(static_cast<std::uint32_t>(entry.Goal), LevelBits);
            bits.Write(static_cast<std::uint16_t>(entry.EQ), BonusBits);
        }
    }
    const std::size_t total = bits.size() + LengthBits + CheckBits;
    const std::size_t characters = (total + CharacterBits - 1) / CharacterBits;
    bits.Write(static_cast<std::uint32_t>(characters), LengthBits);
    bits.Write(bits.Crc(bits.size()), CheckBits);
    return std::string(PlanCodePrefix) + Version + '-' + bits.Characters();
}

std::variant<CharacterPlan, PlanCodeError> ReadPlanCode(std::string_view code) {
    if (code.size() < HeadLength || !code.starts_with(PlanCodePrefix) ||
        code[PlanCodePrefix.size()] < '0' || code[PlanCodePrefix.size()] > '9' ||
        code[PlanCodePrefix.size() + 1] != '-') {
        return PlanCodeError::NotACode;
    }
    if (code[PlanCodePrefix.size()] != Version) {
        return PlanCodeError::UnknownVersion;
    }
    const std::string_view body = code.substr(HeadLength);
    std::optional<Bits> bits = Bits::FromCharacters(body);
    if (!bits) {
        return PlanCodeError::NotACode;
    }
    if (bits->size() < RaceBits + SkillCount) {
        return PlanCodeError::CutShort;
    }

    CharacterPlan plan = CharacterPlan::Started(static_cast<RaceNumber>(bits->Read(RaceBits)));
    std::array<bool, SkillCount> changed{};
    std::size_t changedCount = 0;
    for (bool &flag : changed) {
        flag = bits->Read(1) != 0;
        changedCount += flag ? 1 : 0;
    }
    const std::size_t needed =
        bits->position() + changedCount * (2 * LevelBits + BonusBits) + LengthBits + CheckBits;
    if (bits->size() < needed) {
        return PlanCodeError::CutShort;
    }
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        if (changed[static_cast<std::size_t>(s)]) {
            SkillPlanEntry &entry = plan.skills.at(s);
            entry.Base = static_cast<std::int16_t>(bits->Read(LevelBits));
            entry.Goal = static_cast<std::int16_t>(bits->Read(LevelBits));
            entry.EQ = static_cast<std::int16_t>(static_cast<std::uint16_t>(bits->Read(BonusBits)));
        }
    }
    const std::size_t length = bits->Read(LengthBits);
    const std::size_t checked = bits->position();
    if (body.size() < length) {
        return PlanCodeError::CutShort;
    }
    if (body.size() > length || bits->Read(CheckBits) != bits->Crc(checked)) {
        return PlanCodeError::Damaged;
    }

    CharacterPlan recalculated = plan;
    try {
        recalculated.Recalculate();
    } catch (const std::overflow_error &) {
        return PlanCodeError::ImpossibleLevels;
    }
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        if (!SameEntry(recalculated.skills.at(s), plan.skills.at(s))) {
            return PlanCodeError::ImpossibleLevels;
        }
    }
    // A flag set for a skill at its start, or bits left over that are not zero.
    if (WritePlanCode(recalculated) != code) {
        return PlanCodeError::Damaged;
    }
    recalculated.selected = 0;
    return recalculated;
}

} // namespace Tarrowind_Module
