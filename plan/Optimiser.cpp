// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/Optimiser.h"

#include "rules/ExpCost.h"
#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace Tarrowind_Module {

namespace {

// Answers are compared by one integer: experience first, then the number of changed goals, then
// the distance of the goals from the plan's own. The distance stays below 37 x 121 < 2^13 and the
// count below 2^6, so neither can outweigh one point of experience.
using Key = std::int64_t;
constexpr Key ExpWeight = Key{1} << 19;
constexpr Key ChangeWeight = Key{1} << 13;
constexpr Key Unreachable = std::numeric_limits<Key>::max() / 8;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

CharacterPlan Recalculated(const CharacterPlan &plan) {
    CharacterPlan copy = plan;
    copy.Recalculate();
    return copy;
}

bool IsAttribute(SkillNumber skill) {
    return skill >= 0 && skill < AttributeCount;
}

// The value an attribute adds to a skill's attribute sum at the given goal.
std::int64_t AttributeValue(const CharacterPlan &plan, SkillNumber attribute, std::int64_t goal) {
    return RaceMax(plan.race, attribute) == 0 ? 0 : goal + plan.skills.at(attribute).EQ;
}

// The goals one skill may take, from `low` up to the race's maximum, with the key of each.
class Ladder {
public:
    Ladder(const CharacterPlan &plan, SkillNumber skill, Level low)
        : m_own(plan.skills.at(skill).Goal), m_low(low), m_max(RaceMax(plan.race, skill)) {
        const SkillPlanEntry &entry = plan.skills.at(skill);
        const DifficultyClass d = RaceDifficulty(plan.race, skill);
        const int count = std::max(m_max - m_low + 1, 1);
        m_cost.resize(static_cast<std::size_t>(count));
        m_sameCostTop.resize(static_cast<std::size_t>(count));
        std::int64_t cost = 0;
        for (int level = entry.Base; level < m_low; ++level) {
            cost += ExpCostTable.at(d, level);
        }
        for (int i = 0; i < count; ++i) {
            m_cost[static_cast<std::size_t>(i)] = cost;
            if (i + 1 < count) {
                cost += ExpCostTable.at(d, m_low + i);
            }
        }
        for (int i = count - 1; i >= 0; --i) {
            const auto at = static_cast<std::size_t>(i);
            m_sameCostTop[at] = i + 1 < count && m_cost[at + 1] == m_cost[at]
                                    ? m_sameCostTop[at + 1]
                                    : static_cast<Level>(m_low + i);
        }
    }

    [[nodiscard]] Level Low() const { return m_low; }
    [[nodiscard]] Level Max() const { return m_max; }
    [[nodiscard]] int Count() const { return static_cast<int>(m_cost.size()); }

    // Experience from the base to the goal low + step.
    [[nodiscard]] std::int64_t Cost(int step) const {
        return m_cost[static_cast<std::size_t>(step)];
    }

    [[nodiscard]] Key KeyAt(std::int64_t goal) const {
        const std::int64_t distance = goal > m_own ? goal - m_own : m_own - goal;
        return ExpWeight * Cost(static_cast<int>(goal - m_low)) +
               (goal != m_own ? ChangeWeight : 0) + distance;
    }

    // The cheapest goal at or above `need`: the plan's own goal if it costs no more than the
    // lowest one, otherwise the goal of that same experience closest to it; nullopt above the
    // maximum.
    [[nodiscard]] std::optional<Level> Choose(std::int64_t need) const {
        const std::int64_t lowest = std::max<std::int64_t>(need, m_low);
        if (lowest > m_max) {
            return std::nullopt;
        }
        const Level top = m_sameCostTop[static_cast<std::size_t>(lowest - m_low)];
        return static_cast<Level>(std::clamp<std::int64_t>(m_own, lowest, top));
    }

private:
    Level m_own;
    Level m_low;
    Level m_max;
    std::vector<std::int64_t> m_cost;
    std::vector<Level> m_sameCostTop;
};

// ---- One target ---------------------------------------------------------------------------

struct ReachAttribute {
    SkillNumber number = 0;
    int weight = 0; // how often the skill's attribute sum counts it
    std::int64_t valueAtLow = 0;
    Ladder ladder;
};

class ReachSearch {
public:
    ReachSearch(const CharacterPlan &plan, SkillNumber skill, std::int32_t target)
        : m_skill(plan, skill, plan.skills.at(skill).Goal) {
        for (int slot = 0; slot < StatSlots; ++slot) {
            const SkillNumber a = StatDependencyTable.at(skill, slot);
            auto found = std::find_if(m_attributes.begin(), m_attributes.end(),
                                      [a](const ReachAttribute &r) { return r.number == a; });
            if (found != m_attributes.end()) {
                ++found->weight;
                continue;
            }
            const Level own = plan.skills.at(a).Goal;
            m_attributes.push_back({a, 1, AttributeValue(plan, a, own), Ladder(plan, a, own)});
        }
        // Ascending attribute numbers, so that the search meets lower goals of earlier
        // attributes first.
        std::sort(
            m_attributes.begin(), m_attributes.end(),
            [](const ReachAttribute &x, const ReachAttribute &y) { return x.number < y.number; });
        const std::int64_t own = plan.skills.at(skill).Goal;
        // The bonus needed with the skill's own goal at its maximum, and the one that lets it keep
        // its own goal.
        m_targetLessEq = std::int64_t{target} - plan.skills.at(skill).EQ;
        m_leastBonus = m_targetLessEq - m_skill.Max();
        m_ownBonus = m_targetLessEq - own;
        m_steps.assign(m_attributes.size(), 0);
        m_best.assign(m_attributes.size(), 0);
        std::int64_t prefixSpan = 0;
        for (std::size_t i = 0; i + 1 < m_attributes.size(); ++i) {
            m_prefixLow += m_attributes[i].weight * m_attributes[i].valueAtLow;
            prefixSpan += m_attributes[i].weight * (m_attributes[i].ladder.Count() - 1);
        }
        m_tails.assign(static_cast<std::size_t>(prefixSpan) + 1, std::nullopt);
    }

    // False when nothing reaches the target.
    bool Run() {
        Visit(0, 0, 0);
        return m_bestKey < Unreachable;
    }

    [[nodiscard]] const std::vector<ReachAttribute> &Attributes() const { return m_attributes; }
    [[nodiscard]] int BestStep(std::size_t i) const { return m_best[i]; }
    [[nodiscard]] Level BestSkillGoal() const { return m_bestSkillGoal; }

private:
    // The highest attribute sum that attributes from `from` on can add.
    std::int64_t RestAtMax(std::size_t from) const {
        std::int64_t sum = 0;
        for (std::size_t i = from; i < m_attributes.size(); ++i) {
            const ReachAttribute &a = m_attributes[i];
            sum += a.weight * (a.valueAtLow + a.ladder.Count() - 1);
        }
        return sum;
    }

    Key AttributeKey(const ReachAttribute &a, int step) const {
        return ExpWeight * (a.ladder.Cost(step) - a.ladder.Cost(0)) +
               (step > 0 ? ChangeWeight : 0) + step;
    }

    struct Tail {
        Key key = Unreachable;
        int step = 0;
        Level skillGoal = 0;
    };

    // The cheapest step of the last attribute and goal of the skill, after the earlier attributes
    // have added `sum`: the same for every way of adding it, so worked out once per sum.
    const Tail &LastAttribute(std::int64_t sum) {
        const auto index = static_cast<std::size_t>(sum - m_prefixLow);
        if (m_tails[index]) {
            return *m_tails[index];
        }
        Tail best;
        const ReachAttribute &a = m_attributes.back();
        const std::int64_t atLow = sum + a.weight * a.valueAtLow;
        // Below this step even the skill's maximum goal falls short.
        std::int64_t step = std::max<std::int64_t>(0, CeilDiv(5 * m_leastBonus - atLow, a.weight));
        while (step < a.ladder.Count()) {
            const int at = static_cast<int>(step);
            const Key attributeKey = AttributeKey(a, at);
            if (attributeKey >= best.key) {
                break; // every higher step costs more
            }
            const std::int64_t bonus = FloorDiv(atLow + a.weight * step, 5);
            const std::int64_t goal = std::max<std::int64_t>(m_targetLessEq - bonus, m_skill.Low());
            if (goal <= m_skill.Max()) {
                const int skillStep = static_cast<int>(goal - m_skill.Low());
                const Key key = attributeKey +
                                ExpWeight * (m_skill.Cost(skillStep) - m_skill.Cost(0)) +
                                (skillStep > 0 ? ChangeWeight : 0) + skillStep;
                if (key < best.key) {
                    best = {key, at, static_cast<Level>(goal)};
                }
            }
            // Only where the bonus rises is a higher step worth its cost, and not past the bonus
            // that lets the skill keep its own goal.
            if (bonus >= m_ownBonus) {
                break;
            }
            step = std::max(step + 1, CeilDiv(5 * (bonus + 1) - atLow, a.weight));
        }
        m_tails[index] = best;
        return *m_tails[index];
    }

    void Visit(std::size_t index, std::int64_t sum, Key key) {
        if (index + 1 == m_attributes.size()) {
            const Tail &tail = LastAttribute(sum);
            if (tail.key < Unreachable && key + tail.key < m_bestKey) {
                m_bestKey = key + tail.key;
                m_steps[index] = tail.step;
                m_best = m_steps;
                m_bestSkillGoal = tail.skillGoal;
            }
            return;
        }
        const ReachAttribute &a = m_attributes[index];
        const std::int64_t rest = RestAtMax(index + 1);
        const std::int64_t atLow = sum + a.weight * a.valueAtLow;
        // Below this step even every later goal at its maximum falls short.
        std::int64_t step =
            std::max<std::int64_t>(0, CeilDiv(5 * m_leastBonus - atLow - rest, a.weight));
        for (; step < a.ladder.Count(); ++step) {
            const int at = static_cast<int>(step);
            const Key withThis = key + AttributeKey(a, at);
            if (withThis >= m_bestKey) {
                break; // every higher step costs more and sorts later
            }
            m_steps[index] = at;
            Visit(index + 1, atLow + a.weight * step, withThis);
        }
    }

    Ladder m_skill;
    std::vector<ReachAttribute> m_attributes;
    std::int64_t m_targetLessEq = 0;
    std::int64_t m_leastBonus = 0;
    std::int64_t m_ownBonus = 0;
    std::vector<int> m_steps;
    std::vector<int> m_best;
    Key m_bestKey = Unreachable;
    Level m_bestSkillGoal = 0;
    std::int64_t m_prefixLow = 0;             // the least sum the earlier attributes add
    std::vector<std::optional<Tail>> m_tails; // by that sum less m_prefixLow
};

// ---- The whole plan -----------------------------------------------------------------------

// Bounds carry each attribute's key split into Scale shares.
constexpr Key Scale = 1024;
constexpr int FirstTuningRounds = 4;
constexpr int MoreTuningRounds = 6;
constexpr int Attempts = 3;
constexpr long NodeBudget = 2000;
constexpr std::size_t MaxGroups = 16;

struct GoalAttribute {
    Ladder ladder;
    std::int64_t valueAtLow = 0;
    std::vector<Key> key; // by step above the lowest goal
    Key leastKey = 0;
};

// The skills whose attribute bonus comes from the same attributes, counted the same number of
// times: their cheapest goals depend only on that one attribute sum.
struct SkillGroup {
    std::array<int, AttributeCount> weight{};
    std::int64_t sumAtLow = 0;
    int span = 0; // the attribute sum reaches sumAtLow + span
    int flat = 0; // from sumAtLow + flat on, a higher sum saves nothing more
    std::vector<SkillNumber> skills;
    std::vector<Key> key; // by the attribute sum less sumAtLow
};

// For each T: the least cost of attribute steps whose weighted sum is at least T.
std::vector<Key> AtLeast(const std::vector<Key> &byStep, int weight) {
    std::vector<Key> least(static_cast<std::size_t>(weight) * (byStep.size() - 1) + 1, Unreachable);
    for (std::size_t step = 0; step < byStep.size(); ++step) {
        Key &slot = least[step * static_cast<std::size_t>(weight)];
        slot = std::min(slot, byStep[step]);
    }
    for (std::size_t t = least.size() - 1; t-- > 0;) {
        least[t] = std::min(least[t], least[t + 1]);
    }
    return least;
}

// Both arguments as AtLeast returns them; so is the result, up to T = cap.
std::vector<Key> Combine(const std::vector<Key> &a, const std::vector<Key> &b, int cap) {
    const int spanA = static_cast<int>(a.size()) - 1;
    const int spanB = static_cast<int>(b.size()) - 1;
    const int span = std::min(spanA + spanB, cap);
    std::vector<Key> both(static_cast<std::size_t>(span + 1), Unreachable);
    for (int t = 0; t <= span; ++t) {
        Key best = Unreachable;
        for (int ta = std::max(0, t - spanB); ta <= std::min(t, spanA); ++ta) {
            best = std::min(best,
                            a[static_cast<std::size_t>(ta)] + b[static_cast<std::size_t>(t - ta)]);
        }
        both[static_cast<std::size_t>(t)] = best;
    }
    return both;
}

class GoalSearch {
public:
    GoalSearch(const CharacterPlan &plan, bool attributesMayFall) : m_plan(plan) {
        for (SkillNumber a = 0; a < AttributeCount; ++a) {
            const SkillPlanEntry &entry = plan.skills.at(a);
            Ladder ladder(plan, a, attributesMayFall ? entry.Base : entry.Goal);
            GoalAttribute attribute{ladder, AttributeValue(plan, a, ladder.Low()), {}, 0};
            for (int step = 0; step < ladder.Count(); ++step) {
                attribute.key.push_back(ladder.KeyAt(ladder.Low() + step));
            }
            attribute.leastKey = *std::min_element(attribute.key.begin(), attribute.key.end());
            m_attributes.push_back(std::move(attribute));
        }
        for (SkillNumber s = AttributeCount; s < SkillCount; ++s) {
            if (RaceMax(plan.race, s) == 0) {
                continue;
            }
            std::array<int, AttributeCount> weight{};
            for (int slot = 0; slot < StatSlots; ++slot) {
                ++weight.at(static_cast<std::size_t>(StatDependencyTable.at(s, slot)));
            }
            auto group =
                std::find_if(m_groups.begin(), m_groups.end(),
                             [&weight](const SkillGroup &g) { return g.weight == weight; });
            if (group == m_groups.end()) {
                m_groups.push_back({weight, 0, 0, 0, {}, {}});
                group = m_groups.end() - 1;
            }
            group->skills.push_back(s);
            m_skills.emplace_back(plan, s, plan.skills.at(s).Base);
            m_required.push_back(ModdedAtGoal(plan, s) - plan.skills.at(s).EQ);
            m_skillIndex.at(static_cast<std::size_t>(s)) = static_cast<int>(m_skills.size()) - 1;
        }
        for (SkillGroup &group : m_groups) {
            FillGroup(group);
        }
        ChooseOrder();
    }

    // The cheapest attribute goals, as steps above each attribute's lowest goal.
    std::array<int, AttributeCount> Run() {
        std::array<int, AttributeCount> own{};
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            own[a] =
                m_plan.skills.at(static_cast<SkillNumber>(a)).Goal - m_attributes[a].ladder.Low();
        }
        m_best = own;
        m_bestKey = Evaluate(own);
        Descend();
        StartShares();
        // Most plans need only a short tuning. A search that runs long goes back for more tuning
        // and starts again from the best answer it has met; the last attempt runs to the end.
        for (int attempt = 0;; ++attempt) {
            TuneShares(attempt == 0 ? FirstTuningRounds : MoreTuningRounds);
            BuildBoundTables();
            m_nodesLeft = attempt < Attempts - 1 ? NodeBudget << attempt : -1;
            std::array<int, AttributeCount> steps{};
            std::vector<int> sums(m_groups.size(), 0);
            if (Visit(0, 0, steps, sums)) {
                return m_best;
            }
        }
    }

    // The plan with those goals.
    CharacterPlan Apply(const std::array<int, AttributeCount> &steps) const {
        CharacterPlan result = m_plan;
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            result.skills.at(static_cast<SkillNumber>(a)).Goal =
                static_cast<Level>(m_attributes[a].ladder.Low() + steps[a]);
        }
        for (const SkillGroup &group : m_groups) {
            const std::int64_t bonus = FloorDiv(group.sumAtLow + GroupSum(group, steps), 5);
            for (SkillNumber s : group.skills) {
                const auto i =
                    static_cast<std::size_t>(m_skillIndex.at(static_cast<std::size_t>(s)));
                result.skills.at(s).Goal = *m_skills[i].Choose(m_required[i] - bonus);
            }
        }
        result.Recalculate();
        return result;
    }

private:
    std::int64_t GroupSum(const SkillGroup &group,
                          const std::array<int, AttributeCount> &steps) const {
        std::int64_t sum = 0;
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            sum += group.weight[a] * steps[a];
        }
        return sum;
    }

    void FillGroup(SkillGroup &group) {
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            group.sumAtLow += group.weight[a] * m_attributes[a].valueAtLow;
            group.span += group.weight[a] * (m_attributes[a].ladder.Count() - 1);
        }
        group.key.assign(static_cast<std::size_t>(group.span) + 1, 0);
        for (int t = 0; t <= group.span; ++t) {
            const std::int64_t bonus = FloorDiv(group.sumAtLow + t, 5);
            Key key = 0;
            for (SkillNumber s : group.skills) {
                const auto i =
                    static_cast<std::size_t>(m_skillIndex.at(static_cast<std::size_t>(s)));
                const std::optional<Level> goal = m_skills[i].Choose(m_required[i] - bonus);
                if (!goal) {
                    key = Unreachable;
                    break;
                }
                key += m_skills[i].KeyAt(*goal);
            }
            group.key[static_cast<std::size_t>(t)] = key;
        }
        group.flat = group.span;
        while (group.flat > 0 &&
               group.key[static_cast<std::size_t>(group.flat - 1)] == group.key.back()) {
            --group.flat;
        }
    }

    Key Evaluate(const std::array<int, AttributeCount> &steps) const {
        Key key = 0;
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            key += m_attributes[a].key[static_cast<std::size_t>(steps[a])];
        }
        for (const SkillGroup &group : m_groups) {
            const Key part = group.key[static_cast<std::size_t>(GroupSum(group, steps))];
            if (part >= Unreachable) {
                return Unreachable;
            }
            key += part;
        }
        return key;
    }

    bool Better(Key key, const std::array<int, AttributeCount> &steps) const {
        return key < m_bestKey || (key == m_bestKey && steps < m_best);
    }

    // From the plan's own goals, the best single attribute move, until none improves.
    void Descend() {
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t a = 0; a < AttributeCount; ++a) {
                std::array<int, AttributeCount> trial = m_best;
                for (int step = 0; step < m_attributes[a].ladder.Count(); ++step) {
                    trial[a] = step;
                    const Key key = Evaluate(trial);
                    if (Better(key, trial)) {
                        m_bestKey = key;
                        m_best = trial;
                        moved = true;
                    }
                }
            }
        }
    }

    // The attribute most groups use first, so that groups are settled early; among those the
    // widest range first.
    void ChooseOrder() {
        std::array<int, AttributeCount> users{};
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            m_order[a] = a;
            for (const SkillGroup &group : m_groups) {
                users[a] += group.weight[a] > 0 ? 1 : 0;
            }
        }
        std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t x, std::size_t y) {
            return users[x] != users[y]
                       ? users[x] > users[y]
                       : m_attributes[x].ladder.Count() > m_attributes[y].ladder.Count();
        });
    }

    // The least of Scale x a group's key plus the shared attribute keys over all attribute goals,
    // with the steps that reach it.
    Key GroupLeast(std::size_t g, std::array<int, AttributeCount> &steps) const {
        const SkillGroup &group = m_groups[g];
        std::vector<Key> least{0};
        std::vector<std::size_t> used;
        std::vector<std::vector<int>> stepAt;  // per used attribute: the step behind each T
        std::vector<std::vector<int>> splitAt; // per used attribute: T of the earlier ones
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            const int weight = group.weight[a];
            if (weight == 0) {
                continue;
            }
            const GoalAttribute &attribute = m_attributes[a];
            const auto count = static_cast<int>(attribute.key.size());
            std::vector<Key> own(static_cast<std::size_t>(weight * (count - 1) + 1), Unreachable);
            std::vector<int> ownStep(own.size(), 0);
            for (int t = static_cast<int>(own.size()) - 1; t >= 0; --t) {
                const auto at = static_cast<std::size_t>(t);
                if (t % weight == 0) {
                    const auto step = static_cast<std::size_t>(t / weight);
                    own[at] = (attribute.key[step] - attribute.leastKey) * m_share[a][g];
                    ownStep[at] = t / weight;
                }
                if (at + 1 < own.size() && own[at + 1] < own[at]) {
                    own[at] = own[at + 1];
                    ownStep[at] = ownStep[at + 1];
                }
            }
            std::vector<Key> both(
                std::min(least.size() + own.size() - 1, static_cast<std::size_t>(group.flat) + 1),
                Unreachable);
            std::vector<int> split(both.size(), 0);
            for (std::size_t ta = 0; ta < least.size(); ++ta) {
                for (std::size_t tb = 0; tb < own.size() && ta + tb < both.size(); ++tb) {
                    const Key sum = least[ta] + own[tb];
                    if (sum < both[ta + tb]) {
                        both[ta + tb] = sum;
                        split[ta + tb] = static_cast<int>(ta);
                    }
                }
            }
            least = std::move(both);
            used.push_back(a);
            stepAt.push_back(std::move(ownStep));
            splitAt.push_back(std::move(split));
        }
        Key best = Unreachable;
        std::size_t bestT = 0;
        for (std::size_t t = 0; t < least.size(); ++t) {
            if (group.key[t] < Unreachable && Scale * group.key[t] + least[t] < best) {
                best = Scale * group.key[t] + least[t];
                bestT = t;
            }
        }
        for (std::size_t i = used.size(); i-- > 0;) {
            const auto earlier = static_cast<std::size_t>(splitAt[i][bestT]);
            steps[used[i]] = stepAt[i][bestT - earlier];
            bestT = earlier;
        }
        return best;
    }

    // Each attribute's key above its least is shared among the groups that use it, starting from
    // equal shares. Subgradient steps then move each share toward the groups that ask the most of
    // that attribute, which tightens the bound where the groups pull apart.
    void StartShares() {
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            m_users[a] = 0;
            for (const SkillGroup &group : m_groups) {
                m_users[a] += group.weight[a] > 0 ? 1 : 0;
            }
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                m_tuning[a][g] = m_groups[g].weight[a] > 0 ? 1.0 / m_users[a] : 0.0;
            }
        }
        UseTuning();
        m_bestShare = m_share;
    }

    void UseTuning() {
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                m_share[a][g] = static_cast<Key>(m_tuning[a][g] * Scale);
            }
        }
    }

    // A few more steps from where the last ones ended; the shares of the best bound met so far
    // stay in m_bestShare. The step length halves whenever a step fails to raise the bound.
    void TuneShares(int rounds) {
        UseTuning();
        Key constant = 0;
        for (const GoalAttribute &attribute : m_attributes) {
            constant += Scale * attribute.leastKey;
        }
        std::vector<std::array<int, AttributeCount>> wanted(m_groups.size());
        for (int round = 0; round < rounds; ++round) {
            Key bound = constant;
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                bound += GroupLeast(g, wanted[g]);
            }
            if (bound > m_bestBound) {
                m_bestBound = bound;
                m_bestShare = m_share;
            } else {
                m_stepFactor /= 2;
            }
            const double gap = static_cast<double>(Scale * m_bestKey - bound) / Scale;
            if (gap <= 0) {
                break;
            }
            std::array<std::array<double, MaxGroups>, AttributeCount> direction{};
            double norm = 0;
            for (std::size_t a = 0; a < AttributeCount; ++a) {
                if (m_users[a] < 2) {
                    continue;
                }
                double mean = 0;
                for (std::size_t g = 0; g < m_groups.size(); ++g) {
                    if (m_groups[g].weight[a] > 0) {
                        const auto step = static_cast<std::size_t>(wanted[g][a]);
                        direction[a][g] = static_cast<double>(m_attributes[a].key[step] -
                                                              m_attributes[a].leastKey);
                        mean += direction[a][g] / m_users[a];
                    }
                }
                for (std::size_t g = 0; g < m_groups.size(); ++g) {
                    if (m_groups[g].weight[a] > 0) {
                        direction[a][g] -= mean;
                        norm += direction[a][g] * direction[a][g];
                    }
                }
            }
            if (norm <= 0) {
                break;
            }
            const double length = m_stepFactor * gap / norm;
            for (std::size_t a = 0; a < AttributeCount; ++a) {
                double total = 0;
                for (std::size_t g = 0; g < m_groups.size(); ++g) {
                    m_tuning[a][g] = std::max(0.0, m_tuning[a][g] + length * direction[a][g]);
                    total += m_tuning[a][g];
                }
                for (std::size_t g = 0; g < m_groups.size() && total > 0; ++g) {
                    m_tuning[a][g] /= total;
                }
            }
            UseTuning();
        }
        m_share = m_bestShare;
    }

    void BuildBoundTables() {
        m_tables.assign(m_groups.size(), {});
        for (std::size_t g = 0; g < m_groups.size(); ++g) {
            const SkillGroup &group = m_groups[g];
            for (std::size_t depth = 0; depth <= AttributeCount; ++depth) {
                std::vector<Key> freeLeast{0};
                int fixedSpan = 0;
                for (std::size_t i = 0; i < AttributeCount; ++i) {
                    const std::size_t a = m_order[i];
                    if (group.weight[a] == 0) {
                        continue;
                    }
                    const GoalAttribute &attribute = m_attributes[a];
                    if (i < depth) {
                        fixedSpan += group.weight[a] * (attribute.ladder.Count() - 1);
                        continue;
                    }
                    std::vector<Key> shared;
                    for (Key key : attribute.key) {
                        shared.push_back((key - attribute.leastKey) * m_share[a][g]);
                    }
                    freeLeast = Combine(freeLeast, AtLeast(shared, group.weight[a]), group.flat);
                }
                std::vector<Key> table(static_cast<std::size_t>(fixedSpan) + 1, Unreachable);
                for (int f = 0; f <= fixedSpan; ++f) {
                    Key best = Unreachable;
                    // Past the flat end a higher sum saves nothing, and the free part costs more.
                    const std::size_t last =
                        std::min(freeLeast.size() - 1,
                                 static_cast<std::size_t>(std::max(group.flat - f, 0)));
                    for (std::size_t t = 0; t <= last; ++t) {
                        const Key part = group.key[static_cast<std::size_t>(f) + t];
                        if (part < Unreachable) {
                            best = std::min(best, Scale * part + freeLeast[t]);
                        }
                    }
                    table[static_cast<std::size_t>(f)] = best;
                }
                m_tables[g][depth] = std::move(table);
            }
        }
        for (std::size_t depth = AttributeCount + 1; depth-- > 0;) {
            m_freeLeast[depth] =
                depth == AttributeCount
                    ? 0
                    : m_freeLeast[depth + 1] + Scale * m_attributes[m_order[depth]].leastKey;
        }
    }

    // `fixed` is Scale x the key of the attributes fixed so far, `sums` each group's weighted sum
    // of their steps.
    // False when the node budget ran out before the search ended.
    bool Visit(std::size_t depth, Key fixed, std::array<int, AttributeCount> &steps,
               std::vector<int> &sums) {
        if (m_nodesLeft == 0) {
            return false;
        }
        if (m_nodesLeft > 0) {
            --m_nodesLeft;
        }
        const std::size_t a = m_order[depth];
        const GoalAttribute &attribute = m_attributes[a];
        struct Child {
            Key bound;
            int step;
        };
        // Groups that do not use this attribute add the same to every child's bound; for the
        // others, each step moves along their table by the attribute's weight.
        Key others = fixed + m_freeLeast[depth + 1];
        std::array<const Key *, MaxGroups> rows{};
        std::array<int, MaxGroups> strides{};
        std::size_t users = 0;
        for (std::size_t g = 0; g < m_groups.size(); ++g) {
            const Key *row = m_tables[g][depth + 1].data() + sums[g];
            if (m_groups[g].weight[a] > 0) {
                rows[users] = row;
                strides[users++] = m_groups[g].weight[a];
                continue;
            }
            if (*row >= Unreachable) {
                return true;
            }
            others += *row;
        }
        const bool last = depth + 1 == AttributeCount;
        std::array<Child, LevelCount + 1> children{};
        std::size_t count = 0;
        for (int step = 0; step < attribute.ladder.Count(); ++step) {
            Key bound = others + Scale * attribute.key[static_cast<std::size_t>(step)];
            for (std::size_t u = 0; u < users; ++u) {
                const Key part = rows[u][strides[u] * step];
                // Every part is at least 0, so a bound already past the best stays past it.
                if (part >= Unreachable || bound > Scale * m_bestKey) {
                    bound = Unreachable;
                    break;
                }
                bound += part;
            }
            if (bound > Scale * m_bestKey) {
                continue;
            }
            if (last) {
                // The bound of a leaf is its exact key.
                steps[a] = step;
                if (Better(bound / Scale, steps)) {
                    m_bestKey = bound / Scale;
                    m_best = steps;
                }
                continue;
            }
            children[count++] = {bound, step};
        }
        std::sort(children.begin(), children.begin() + static_cast<std::ptrdiff_t>(count),
                  [](const Child &x, const Child &y) {
                      return x.bound < y.bound || (x.bound == y.bound && x.step < y.step);
                  });
        for (std::size_t c = 0; c < count; ++c) {
            const Child &child = children[c];
            if (child.bound > Scale * m_bestKey) {
                break;
            }
            steps[a] = child.step;
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                sums[g] += m_groups[g].weight[a] * child.step;
            }
            const bool finished = Visit(
                depth + 1, fixed + Scale * attribute.key[static_cast<std::size_t>(child.step)],
                steps, sums);
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                sums[g] -= m_groups[g].weight[a] * child.step;
            }
            if (!finished) {
                return false;
            }
        }
        steps[a] = 0;
        return true;
    }

    const CharacterPlan &m_plan;
    std::vector<GoalAttribute> m_attributes;
    std::vector<SkillGroup> m_groups;
    std::vector<Ladder> m_skills;         // the skills the race can learn
    std::vector<std::int64_t> m_required; // their ModdedAtGoal less EQ
    std::array<int, SkillCount> m_skillIndex{};
    std::array<std::size_t, AttributeCount> m_order{};
    std::array<std::array<Key, MaxGroups>, AttributeCount> m_share{};
    std::array<std::array<Key, MaxGroups>, AttributeCount> m_bestShare{};
    std::array<std::array<double, MaxGroups>, AttributeCount> m_tuning{};
    std::array<int, AttributeCount> m_users{};
    Key m_bestBound = -1;
    double m_stepFactor = 2;
    long m_nodesLeft = -1; // nodes the search may still visit; -1 for no limit
    std::vector<std::array<std::vector<Key>, AttributeCount + 1>> m_tables;
    std::array<Key, AttributeCount + 1> m_freeLeast{};
    std::array<int, AttributeCount> m_best{};
    Key m_bestKey = Unreachable;
};

} // namespace

std::int32_t ModdedAtGoal(const CharacterPlan &plan, SkillNumber skill) {
    if (RaceMax(plan.race, skill) == 0) {
        return 0;
    }
    const SkillPlanEntry &entry = plan.skills.at(skill);
    std::int64_t value = std::int64_t{entry.Goal} + entry.EQ;
    if (!IsAttribute(skill)) {
        std::int64_t sum = 0;
        for (int slot = 0; slot < StatSlots; ++slot) {
            const SkillNumber a = StatDependencyTable.at(skill, slot);
            sum += AttributeValue(plan, a, plan.skills.at(a).Goal);
        }
        value += FloorDiv(sum, 5);
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t HighestReach(const CharacterPlan &plan, SkillNumber skill) {
    CharacterPlan top = plan;
    top.skills.at(skill).Goal = RaceMax(plan.race, skill);
    if (!IsAttribute(skill)) {
        for (int slot = 0; slot < StatSlots; ++slot) {
            const SkillNumber a = StatDependencyTable.at(skill, slot);
            top.skills.at(a).Goal = RaceMax(plan.race, a);
        }
    }
    return std::max(ModdedAtGoal(top, skill), ModdedAtGoal(plan, skill));
}

std::optional<std::int32_t> OwnGoalReachCost(const CharacterPlan &plan, SkillNumber skill,
                                             std::int32_t target) {
    const CharacterPlan start = Recalculated(plan);
    const std::int32_t now = ModdedAtGoal(start, skill);
    if (now >= target) {
        return 0;
    }
    const SkillPlanEntry &entry = start.skills.at(skill);
    const Level max = RaceMax(start.race, skill);
    const std::int64_t need = std::int64_t{entry.Goal} + target - now;
    if (max == 0 || need > max) {
        return std::nullopt;
    }
    const DifficultyClass d = RaceDifficulty(start.race, skill);
    return ExpToGoal(entry.Goal, static_cast<Level>(need), d);
}

std::optional<CharacterPlan> CheapestReach(const CharacterPlan &plan, SkillNumber skill,
                                           std::int32_t target) {
    CharacterPlan result = Recalculated(plan);
    if (ModdedAtGoal(result, skill) >= target) {
        return result;
    }
    if (HighestReach(result, skill) < target) {
        return std::nullopt;
    }
    SkillPlanEntry &entry = result.skills.at(skill);
    if (IsAttribute(skill)) {
        entry.Goal = static_cast<Level>(std::int64_t{target} - entry.EQ);
        result.Recalculate();
        return result;
    }
    ReachSearch search(result, skill, target);
    if (!search.Run()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < search.Attributes().size(); ++i) {
        const ReachAttribute &a = search.Attributes()[i];
        result.skills.at(a.number).Goal = static_cast<Level>(a.ladder.Low() + search.BestStep(i));
    }
    entry.Goal = search.BestSkillGoal();
    result.Recalculate();
    return result;
}

CharacterPlan CheapestGoals(const CharacterPlan &plan, bool attributesMayFall) {
    const CharacterPlan start = Recalculated(plan);
    GoalSearch search(start, attributesMayFall);
    return search.Apply(search.Run());
}

} // namespace Tarrowind_Module
