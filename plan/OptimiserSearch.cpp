// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// How the optimiser finds the cheapest goals.
//
// The problem. CheapestGoals may move every goal between a lower end (the base; for an attribute
// its own goal unless attributes may fall) and the race's maximum, as long as every skill the race
// can learn keeps its modded value at goal, and wants the least experience. A skill's modded value
// at goal is its goal and equipment bonus plus a fifth of the sum of its attributes' goals and
// bonuses, so the skills depend on one another only through the five attribute goals. Once those
// are fixed, each skill on its own takes the cheapest goal that makes up what its attribute bonus
// leaves: the cost of the whole plan is a function of five goals.
//
// Skill groups. Skills whose bonus counts the same attributes the same number of times see the
// same attribute sum, so the cheapest goals of a whole group form one table by that sum, worked
// out once (SkillGroup::costBySum). The cost of a choice of attribute goals is the attributes' own
// costs plus one entry from each group's table, and that is what the search minimises. Every cost
// here is a RankedCost: experience with the tie-breaks of Optimiser.h folded into one integer, so
// the cheapest answer is also the one the tie-breaks pick.
//
// The search over attribute goals. A depth-first branch and bound fixes one attribute goal per
// level, the attributes most groups use first, and tries the goals of each level in the order of
// their bound. It starts with an answer to beat: the plan's own goals, improved one attribute at a
// time while that helps. A branch whose bound is dearer than the best answer met so far is cut; one
// whose bound is equal is kept, so that equally dear answers still meet the last tie-break.
//
// The bound. Split each attribute's cost above its cheapest goal into shares, one for each group
// that uses the attribute, the shares adding up to no more than the whole. The cost of a choice is
// then the attributes' cheapest costs plus, for each group, its table entry and its shares of its
// attributes' costs. Now let every group choose the attribute goals best for itself alone. No
// group's part can rise, since it no longer has to agree with the rest, so the sum of these
// separate least parts is no dearer than any choice that all groups share, the optimum included.
// Within a branch the fixed attributes stay as they are and only the free ones are chosen apart,
// so the bound holds for every answer in the branch; at a leaf nothing is free and the bound is the
// answer's exact cost. Shares are whole multiples of 1 / ShareScale, rounded down, so rounding only
// lowers the bound. Any shares give a true bound, and good ones a close bound: tuning moves each
// attribute's shares toward the groups that ask the most of it (subgradient steps) and keeps the
// shares of the highest bound met.
//
// Why a search restarts. A search runs long where its bound is loose, where the groups pull the
// attributes apart, and a little more tuning of the shares usually cuts more than going on would.
// So each attempt but the last has a node budget. An attempt that runs past its budget stops; the
// shares get more tuning and the next attempt starts again from the first attribute with the closer
// bound, a larger budget and the best answer the stopped attempt had met, which cuts more from the
// start.
//
// Why the answer stays exact. A branch is cut only when every answer in it is dearer than one
// already held, whatever the shares, so an attempt that runs to its end has met the cheapest
// answer; a closer bound only makes it end sooner. An attempt that stopped on its budget proves
// nothing about the branches it never reached, so its best answer is never returned as the result:
// the last attempt has no budget, runs to its end, and returns the cheapest answer there is.
//
// CheapestReach is the same problem on a small scale: one skill and its attributes, each only
// raised, between a lower and an upper level per skill (for the optimiser the plan's goals and the
// race's maxima; for the route the levels already bought and the goals). Its search tries the steps
// of the earlier attributes in turn, stopping where their own cost alone passes the best answer;
// the cheapest step of the last attribute with the skill's own goal depends only on the sum the
// earlier ones add, and is worked out once for each sum.
#include "plan/OptimiserSearch.h"

#include "rules/ExpCost.h"
#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Tarrowind_Module::OptimiserSearch {

namespace {

// Experience first, then the number of changed goals, then the distance of the goals from the
// plan's own, as one integer that orders answers. The distance stays below 37 x 121 < 2^13 and the
// count below 2^6, so neither can outweigh one point of experience.
using RankedCost = std::int64_t;
constexpr RankedCost ExperienceWeight = RankedCost{1} << 19;
constexpr RankedCost ChangeWeight = RankedCost{1} << 13;
constexpr RankedCost Unreachable = std::numeric_limits<RankedCost>::max() / 8;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

// The value an attribute adds to a skill's attribute sum at the given goal.
std::int64_t AttributeValue(const CharacterPlan &plan, SkillNumber attribute, std::int64_t goal) {
    return RaceMax(plan.race, attribute) == 0 ? 0 : goal + plan.skills.at(attribute).EQ;
}

// The goals one skill may take, from `low` up to `max`, with what each costs; `own` is the goal
// that the tie-breaks measure changes from.
class GoalRange {
public:
    // From `low` up to the race's maximum, measured from the plan's own goal.
    GoalRange(const CharacterPlan &plan, SkillNumber skill, Level low)
        : GoalRange(plan, skill, low, RaceMax(plan.race, skill), plan.skills.at(skill).Goal) {}

    GoalRange(const CharacterPlan &plan, SkillNumber skill, Level low, Level max, Level own)
        : m_own(own), m_low(low), m_max(max) {
        const SkillPlanEntry &entry = plan.skills.at(skill);
        const DifficultyClass d = RaceDifficulty(plan.race, skill);
        const int count = std::max(m_max - m_low + 1, 1);
        m_experience.resize(static_cast<std::size_t>(count));
        m_topOfSameExperience.resize(static_cast<std::size_t>(count));
        std::int64_t experience = 0;
        for (int level = entry.Base; level < m_low; ++level) {
            experience += ExpCostTable.at(d, level);
        }
        for (int i = 0; i < count; ++i) {
            m_experience[static_cast<std::size_t>(i)] = experience;
            if (i + 1 < count) {
                experience += ExpCostTable.at(d, m_low + i);
            }
        }
        for (int i = count - 1; i >= 0; --i) {
            const auto at = static_cast<std::size_t>(i);
            m_topOfSameExperience[at] = i + 1 < count && m_experience[at + 1] == m_experience[at]
                                            ? m_topOfSameExperience[at + 1]
                                            : static_cast<Level>(m_low + i);
        }
    }

    [[nodiscard]] Level Low() const { return m_low; }
    [[nodiscard]] Level Max() const { return m_max; }
    [[nodiscard]] int Count() const { return static_cast<int>(m_experience.size()); }

    // Experience from the base to the goal low + step.
    [[nodiscard]] std::int64_t Experience(int step) const {
        return m_experience[static_cast<std::size_t>(step)];
    }

    [[nodiscard]] RankedCost CostAt(std::int64_t goal) const {
        const std::int64_t distance = goal > m_own ? goal - m_own : m_own - goal;
        return ExperienceWeight * Experience(static_cast<int>(goal - m_low)) +
               (goal != m_own ? ChangeWeight : 0) + distance;
    }

    // The cheapest goal at or above `need`: the plan's own goal if it costs no more than the
    // lowest one, otherwise the goal of that same experience closest to it; nullopt above the
    // maximum.
    [[nodiscard]] std::optional<Level> CheapestFrom(std::int64_t need) const {
        const std::int64_t lowest = std::max<std::int64_t>(need, m_low);
        if (lowest > m_max) {
            return std::nullopt;
        }
        const Level top = m_topOfSameExperience[static_cast<std::size_t>(lowest - m_low)];
        return static_cast<Level>(std::clamp<std::int64_t>(m_own, lowest, top));
    }

private:
    Level m_own;
    Level m_low;
    Level m_max;
    std::vector<std::int64_t> m_experience;
    std::vector<Level> m_topOfSameExperience;
};

// ---- One target ---------------------------------------------------------------------------

struct ReachAttribute {
    SkillNumber number = 0;
    int weight = 0; // how often the skill's attribute sum counts it
    std::int64_t valueAtLow = 0;
    GoalRange range;
};

// Each skill between its level in `low` and in `high`; the levels in `low` are the ones that the
// tie-breaks measure changes from.
class ReachSearch {
public:
    ReachSearch(const CharacterPlan &plan, SkillNumber skill, std::int32_t target,
                const SkillLevels &low, const SkillLevels &high)
        : m_skillRange(plan, skill, low.at(skill), high.at(skill), low.at(skill)) {
        for (int slot = 0; slot < StatSlots; ++slot) {
            const SkillNumber a = StatDependencyTable.at(skill, slot);
            auto found = std::find_if(m_attributes.begin(), m_attributes.end(),
                                      [a](const ReachAttribute &r) { return r.number == a; });
            if (found != m_attributes.end()) {
                ++found->weight;
                continue;
            }
            const Level own = low.at(a);
            m_attributes.push_back(
                {a, 1, AttributeValue(plan, a, own), GoalRange(plan, a, own, high.at(a), own)});
        }
        // Ascending attribute numbers, so that the search meets lower goals of earlier
        // attributes first.
        std::sort(
            m_attributes.begin(), m_attributes.end(),
            [](const ReachAttribute &x, const ReachAttribute &y) { return x.number < y.number; });
        const std::int64_t own = low.at(skill);
        // The bonus needed with the skill's own goal at its maximum, and the one that lets it keep
        // its own goal.
        m_targetLessEq = std::int64_t{target} - plan.skills.at(skill).EQ;
        m_leastBonus = m_targetLessEq - m_skillRange.Max();
        m_ownBonus = m_targetLessEq - own;
        m_trialSteps.assign(m_attributes.size(), 0);
        m_bestSteps.assign(m_attributes.size(), 0);
        std::int64_t earlierSpan = 0;
        for (std::size_t i = 0; i + 1 < m_attributes.size(); ++i) {
            m_earlierSumAtLow += m_attributes[i].weight * m_attributes[i].valueAtLow;
            earlierSpan += m_attributes[i].weight * (m_attributes[i].range.Count() - 1);
        }
        m_lastChoiceBySum.assign(static_cast<std::size_t>(earlierSpan) + 1, std::nullopt);
    }

    // False when nothing reaches the target.
    bool Run() {
        Visit(0, 0, 0);
        return m_bestCost < Unreachable;
    }

    [[nodiscard]] const std::vector<ReachAttribute> &Attributes() const { return m_attributes; }
    [[nodiscard]] int BestStep(std::size_t i) const { return m_bestSteps[i]; }
    [[nodiscard]] Level BestSkillGoal() const { return m_bestSkillGoal; }

private:
    // The highest attribute sum that attributes from `from` on can add.
    std::int64_t RestAtMax(std::size_t from) const {
        std::int64_t sum = 0;
        for (std::size_t i = from; i < m_attributes.size(); ++i) {
            const ReachAttribute &a = m_attributes[i];
            sum += a.weight * (a.valueAtLow + a.range.Count() - 1);
        }
        return sum;
    }

    RankedCost StepCost(const ReachAttribute &a, int step) const {
        return ExperienceWeight * (a.range.Experience(step) - a.range.Experience(0)) +
               (step > 0 ? ChangeWeight : 0) + step;
    }

    // The step of the last attribute and the goal of the skill, with what both cost together.
    struct LastChoice {
        RankedCost cost = Unreachable;
        int step = 0;
        Level skillGoal = 0;
    };

    // The cheapest LastChoice after the earlier attributes have added `sum`: the same for every
    // way of adding it, so worked out once per sum.
    const LastChoice &CheapestLastChoice(std::int64_t sum) {
        const auto index = static_cast<std::size_t>(sum - m_earlierSumAtLow);
        if (m_lastChoiceBySum[index]) {
            return *m_lastChoiceBySum[index];
        }
        LastChoice best;
        const ReachAttribute &a = m_attributes.back();
        const std::int64_t atLow = sum + a.weight * a.valueAtLow;
        // Below this step even the skill's maximum goal falls short.
        std::int64_t step = std::max<std::int64_t>(0, CeilDiv(5 * m_leastBonus - atLow, a.weight));
        while (step < a.range.Count()) {
            const int at = static_cast<int>(step);
            const RankedCost attributeCost = StepCost(a, at);
            if (attributeCost >= best.cost) {
                break; // every higher step costs more
            }
            const std::int64_t bonus = FloorDiv(atLow + a.weight * step, 5);
            const std::int64_t goal =
                std::max<std::int64_t>(m_targetLessEq - bonus, m_skillRange.Low());
            if (goal <= m_skillRange.Max()) {
                const int skillStep = static_cast<int>(goal - m_skillRange.Low());
                const RankedCost cost = attributeCost +
                                        ExperienceWeight * (m_skillRange.Experience(skillStep) -
                                                            m_skillRange.Experience(0)) +
                                        (skillStep > 0 ? ChangeWeight : 0) + skillStep;
                if (cost < best.cost) {
                    best = {cost, at, static_cast<Level>(goal)};
                }
            }
            // Only where the bonus rises is a higher step worth its cost, and not past the bonus
            // that lets the skill keep its own goal.
            if (bonus >= m_ownBonus) {
                break;
            }
            step = std::max(step + 1, CeilDiv(5 * (bonus + 1) - atLow, a.weight));
        }
        m_lastChoiceBySum[index] = best;
        return *m_lastChoiceBySum[index];
    }

    void Visit(std::size_t index, std::int64_t sum, RankedCost costSoFar) {
        if (index + 1 == m_attributes.size()) {
            const LastChoice &last = CheapestLastChoice(sum);
            if (last.cost < Unreachable && costSoFar + last.cost < m_bestCost) {
                m_bestCost = costSoFar + last.cost;
                m_trialSteps[index] = last.step;
                m_bestSteps = m_trialSteps;
                m_bestSkillGoal = last.skillGoal;
            }
            return;
        }
        const ReachAttribute &a = m_attributes[index];
        const std::int64_t rest = RestAtMax(index + 1);
        const std::int64_t atLow = sum + a.weight * a.valueAtLow;
        // Below this step even every later goal at its maximum falls short.
        std::int64_t step =
            std::max<std::int64_t>(0, CeilDiv(5 * m_leastBonus - atLow - rest, a.weight));
        for (; step < a.range.Count(); ++step) {
            const int at = static_cast<int>(step);
            const RankedCost withThis = costSoFar + StepCost(a, at);
            if (withThis >= m_bestCost) {
                break; // every higher step costs more and sorts later
            }
            m_trialSteps[index] = at;
            Visit(index + 1, atLow + a.weight * step, withThis);
        }
    }

    GoalRange m_skillRange;
    std::vector<ReachAttribute> m_attributes;
    std::int64_t m_targetLessEq = 0;
    std::int64_t m_leastBonus = 0;
    std::int64_t m_ownBonus = 0;
    std::vector<int> m_trialSteps;
    std::vector<int> m_bestSteps;
    RankedCost m_bestCost = Unreachable;
    Level m_bestSkillGoal = 0;
    std::int64_t m_earlierSumAtLow = 0; // the least sum the earlier attributes add
    std::vector<std::optional<LastChoice>> m_lastChoiceBySum; // by that sum less m_earlierSumAtLow
};

// ---- The whole plan -----------------------------------------------------------------------

// Bounds carry each attribute's cost split into ShareScale shares.
constexpr RankedCost ShareScale = 1024;
constexpr int FirstTuningRounds = 4;
constexpr int MoreTuningRounds = 6;
constexpr int BoundedAttempts = 2; // then one attempt without a budget
constexpr long NoBudget = -1;

struct GoalAttribute {
    GoalRange range;
    std::int64_t valueAtLow = 0;
    std::vector<RankedCost> costByStep; // by step above the lowest goal
    RankedCost leastCost = 0;
};

// The skills whose attribute bonus comes from the same attributes, counted the same number of
// times: their cheapest goals depend only on that one attribute sum.
struct SkillGroup {
    std::array<int, AttributeCount> weight{};
    std::int64_t sumAtLow = 0;
    int span = 0;      // the attribute sum reaches sumAtLow + span
    int savingEnd = 0; // from sumAtLow + savingEnd on, a higher sum saves nothing more
    std::vector<SkillNumber> skills;
    std::vector<RankedCost> costBySum; // by the attribute sum less sumAtLow
};

// For each T: the least cost of attribute steps whose weighted sum is at least T.
std::vector<RankedCost> LeastReaching(const std::vector<RankedCost> &costByStep, int weight) {
    std::vector<RankedCost> least(static_cast<std::size_t>(weight) * (costByStep.size() - 1) + 1,
                                  Unreachable);
    for (std::size_t step = 0; step < costByStep.size(); ++step) {
        RankedCost &slot = least[step * static_cast<std::size_t>(weight)];
        slot = std::min(slot, costByStep[step]);
    }
    for (std::size_t t = least.size() - 1; t-- > 0;) {
        least[t] = std::min(least[t], least[t + 1]);
    }
    return least;
}

// Both arguments as LeastReaching returns them; so is the result, for the two together, up to
// T = cap.
std::vector<RankedCost> LeastReachingBoth(const std::vector<RankedCost> &a,
                                          const std::vector<RankedCost> &b, int cap) {
    const int spanA = static_cast<int>(a.size()) - 1;
    const int spanB = static_cast<int>(b.size()) - 1;
    const int span = std::min(spanA + spanB, cap);
    std::vector<RankedCost> both(static_cast<std::size_t>(span + 1), Unreachable);
    for (int t = 0; t <= span; ++t) {
        RankedCost best = Unreachable;
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
            GoalRange range(plan, a, attributesMayFall ? entry.Base : entry.Goal);
            GoalAttribute attribute{range, AttributeValue(plan, a, range.Low()), {}, 0};
            for (int step = 0; step < range.Count(); ++step) {
                attribute.costByStep.push_back(range.CostAt(range.Low() + step));
            }
            attribute.leastCost =
                *std::min_element(attribute.costByStep.begin(), attribute.costByStep.end());
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
            m_skillRanges.emplace_back(plan, s, plan.skills.at(s).Base);
            m_neededLessEq.push_back(ModdedAtGoal(plan, s) - plan.skills.at(s).EQ);
            m_skillIndex.at(static_cast<std::size_t>(s)) =
                static_cast<int>(m_skillRanges.size()) - 1;
        }
        // The shares and the search keep one slot per group in fixed arrays.
        if (m_groups.size() > MaxGroups) {
            throw std::length_error("the skills fall into " + std::to_string(m_groups.size()) +
                                    " attribute groups, more than the goal search holds");
        }
        for (SkillGroup &group : m_groups) {
            FillGroup(group);
        }
        ChooseOrder();
    }

    // The cheapest attribute goals, as steps above each attribute's lowest goal.
    std::array<int, AttributeCount> Run(long firstNodeBudget) {
        std::array<int, AttributeCount> own{};
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            own[a] =
                m_plan.skills.at(static_cast<SkillNumber>(a)).Goal - m_attributes[a].range.Low();
        }
        m_bestSteps = own;
        m_bestCost = Evaluate(own);
        Descend();
        StartShares();
        // Most plans need only a short tuning. A search that runs past its budget goes back for
        // more tuning and starts again with the best answer it has met; the last attempt runs to
        // the end.
        const long budget = std::max(firstNodeBudget, 0L);
        for (int attempt = 0;; ++attempt) {
            TuneShares(attempt == 0 ? FirstTuningRounds : MoreTuningRounds);
            BuildBoundTables();
            m_nodesLeft = attempt < BoundedAttempts ? budget << attempt : NoBudget;
            std::array<int, AttributeCount> steps{};
            std::vector<int> sums(m_groups.size(), 0);
            if (Visit(0, 0, steps, sums)) {
                return m_bestSteps;
            }
        }
    }

    // The plan with those goals.
    CharacterPlan Apply(const std::array<int, AttributeCount> &steps) const {
        CharacterPlan result = m_plan;
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            result.skills.at(static_cast<SkillNumber>(a)).Goal =
                static_cast<Level>(m_attributes[a].range.Low() + steps[a]);
        }
        for (const SkillGroup &group : m_groups) {
            const std::int64_t bonus = FloorDiv(group.sumAtLow + GroupSum(group, steps), 5);
            for (SkillNumber s : group.skills) {
                const auto i =
                    static_cast<std::size_t>(m_skillIndex.at(static_cast<std::size_t>(s)));
                result.skills.at(s).Goal =
                    *m_skillRanges[i].CheapestFrom(m_neededLessEq[i] - bonus);
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
            group.span += group.weight[a] * (m_attributes[a].range.Count() - 1);
        }
        group.costBySum.assign(static_cast<std::size_t>(group.span) + 1, 0);
        for (int t = 0; t <= group.span; ++t) {
            const std::int64_t bonus = FloorDiv(group.sumAtLow + t, 5);
            RankedCost cost = 0;
            for (SkillNumber s : group.skills) {
                const auto i =
                    static_cast<std::size_t>(m_skillIndex.at(static_cast<std::size_t>(s)));
                const std::optional<Level> goal =
                    m_skillRanges[i].CheapestFrom(m_neededLessEq[i] - bonus);
                if (!goal) {
                    cost = Unreachable;
                    break;
                }
                cost += m_skillRanges[i].CostAt(*goal);
            }
            group.costBySum[static_cast<std::size_t>(t)] = cost;
        }
        group.savingEnd = group.span;
        while (group.savingEnd > 0 &&
               group.costBySum[static_cast<std::size_t>(group.savingEnd - 1)] ==
                   group.costBySum.back()) {
            --group.savingEnd;
        }
    }

    RankedCost Evaluate(const std::array<int, AttributeCount> &steps) const {
        RankedCost cost = 0;
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            cost += m_attributes[a].costByStep[static_cast<std::size_t>(steps[a])];
        }
        for (const SkillGroup &group : m_groups) {
            const RankedCost part =
                group.costBySum[static_cast<std::size_t>(GroupSum(group, steps))];
            if (part >= Unreachable) {
                return Unreachable;
            }
            cost += part;
        }
        return cost;
    }

    bool Better(RankedCost cost, const std::array<int, AttributeCount> &steps) const {
        return cost < m_bestCost || (cost == m_bestCost && steps < m_bestSteps);
    }

    // From the plan's own goals, the best single attribute move, until none improves.
    void Descend() {
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t a = 0; a < AttributeCount; ++a) {
                std::array<int, AttributeCount> trial = m_bestSteps;
                for (int step = 0; step < m_attributes[a].range.Count(); ++step) {
                    trial[a] = step;
                    const RankedCost cost = Evaluate(trial);
                    if (Better(cost, trial)) {
                        m_bestCost = cost;
                        m_bestSteps = trial;
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
                       : m_attributes[x].range.Count() > m_attributes[y].range.Count();
        });
    }

    // The least of ShareScale x a group's cost plus its shares of the attribute costs over all
    // attribute goals, with the steps that reach it: the group's part of the bound when it may
    // choose the attribute goals for itself alone.
    RankedCost GroupOnItsOwn(std::size_t g, std::array<int, AttributeCount> &steps) const {
        const SkillGroup &group = m_groups[g];
        std::vector<RankedCost> least{0};
        std::vector<std::size_t> used;
        std::vector<std::vector<int>> stepAt;  // per used attribute: the step behind each T
        std::vector<std::vector<int>> splitAt; // per used attribute: T of the earlier ones
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            const int weight = group.weight[a];
            if (weight == 0) {
                continue;
            }
            const GoalAttribute &attribute = m_attributes[a];
            const auto count = static_cast<int>(attribute.costByStep.size());
            std::vector<RankedCost> own(static_cast<std::size_t>(weight * (count - 1) + 1),
                                        Unreachable);
            std::vector<int> ownStep(own.size(), 0);
            for (int t = static_cast<int>(own.size()) - 1; t >= 0; --t) {
                const auto at = static_cast<std::size_t>(t);
                if (t % weight == 0) {
                    const auto step = static_cast<std::size_t>(t / weight);
                    own[at] = (attribute.costByStep[step] - attribute.leastCost) * m_share[a][g];
                    ownStep[at] = t / weight;
                }
                if (at + 1 < own.size() && own[at + 1] < own[at]) {
                    own[at] = own[at + 1];
                    ownStep[at] = ownStep[at + 1];
                }
            }
            std::vector<RankedCost> both(std::min(least.size() + own.size() - 1,
                                                  static_cast<std::size_t>(group.savingEnd) + 1),
                                         Unreachable);
            std::vector<int> split(both.size(), 0);
            for (std::size_t ta = 0; ta < least.size(); ++ta) {
                for (std::size_t tb = 0; tb < own.size() && ta + tb < both.size(); ++tb) {
                    const RankedCost sum = least[ta] + own[tb];
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
        RankedCost best = Unreachable;
        std::size_t bestT = 0;
        for (std::size_t t = 0; t < least.size(); ++t) {
            if (group.costBySum[t] < Unreachable &&
                ShareScale * group.costBySum[t] + least[t] < best) {
                best = ShareScale * group.costBySum[t] + least[t];
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

    // Each attribute's cost above its least is shared among the groups that use it, starting from
    // equal shares. Subgradient steps then move each share toward the groups that ask the most of
    // that attribute, which tightens the bound where the groups pull apart.
    void StartShares() {
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            m_groupsUsing[a] = 0;
            for (const SkillGroup &group : m_groups) {
                m_groupsUsing[a] += group.weight[a] > 0 ? 1 : 0;
            }
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                m_fraction[a][g] = m_groups[g].weight[a] > 0 ? 1.0 / m_groupsUsing[a] : 0.0;
            }
        }
        UseFractions();
        m_bestShare = m_share;
    }

    void UseFractions() {
        for (std::size_t a = 0; a < AttributeCount; ++a) {
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                m_share[a][g] = static_cast<RankedCost>(m_fraction[a][g] * ShareScale);
            }
        }
    }

    // A few more steps from where the last ones ended; the shares of the best bound met so far
    // stay in m_bestShare. The step length halves whenever a step fails to raise the bound.
    void TuneShares(int rounds) {
        UseFractions();
        RankedCost constant = 0;
        for (const GoalAttribute &attribute : m_attributes) {
            constant += ShareScale * attribute.leastCost;
        }
        // The attribute steps each group chose for itself alone in the last round.
        std::vector<std::array<int, AttributeCount>> stepsOfGroup(m_groups.size());
        for (int round = 0; round < rounds; ++round) {
            RankedCost bound = constant;
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                bound += GroupOnItsOwn(g, stepsOfGroup[g]);
            }
            if (bound > m_bestBound) {
                m_bestBound = bound;
                m_bestShare = m_share;
            } else {
                m_stepFactor /= 2;
            }
            const double gap = static_cast<double>(ShareScale * m_bestCost - bound) / ShareScale;
            if (gap <= 0) {
                break;
            }
            std::array<std::array<double, MaxGroups>, AttributeCount> direction{};
            double norm = 0;
            for (std::size_t a = 0; a < AttributeCount; ++a) {
                if (m_groupsUsing[a] < 2) {
                    continue;
                }
                double mean = 0;
                for (std::size_t g = 0; g < m_groups.size(); ++g) {
                    if (m_groups[g].weight[a] > 0) {
                        const auto step = static_cast<std::size_t>(stepsOfGroup[g][a]);
                        direction[a][g] = static_cast<double>(m_attributes[a].costByStep[step] -
                                                              m_attributes[a].leastCost);
                        mean += direction[a][g] / m_groupsUsing[a];
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
                    m_fraction[a][g] = std::max(0.0, m_fraction[a][g] + length * direction[a][g]);
                    total += m_fraction[a][g];
                }
                for (std::size_t g = 0; g < m_groups.size() && total > 0; ++g) {
                    m_fraction[a][g] /= total;
                }
            }
            UseFractions();
        }
        m_share = m_bestShare;
    }

    // For each group and depth: by the weighted sum of the attributes fixed above that depth, the
    // group's least part of the bound over every choice of the free attributes.
    void BuildBoundTables() {
        m_boundTables.assign(m_groups.size(), {});
        for (std::size_t g = 0; g < m_groups.size(); ++g) {
            const SkillGroup &group = m_groups[g];
            for (std::size_t depth = 0; depth <= AttributeCount; ++depth) {
                std::vector<RankedCost> freeLeast{0};
                int fixedSpan = 0;
                for (std::size_t i = 0; i < AttributeCount; ++i) {
                    const std::size_t a = m_order[i];
                    if (group.weight[a] == 0) {
                        continue;
                    }
                    const GoalAttribute &attribute = m_attributes[a];
                    if (i < depth) {
                        fixedSpan += group.weight[a] * (attribute.range.Count() - 1);
                        continue;
                    }
                    std::vector<RankedCost> shared;
                    for (RankedCost cost : attribute.costByStep) {
                        shared.push_back((cost - attribute.leastCost) * m_share[a][g]);
                    }
                    freeLeast = LeastReachingBoth(freeLeast, LeastReaching(shared, group.weight[a]),
                                                  group.savingEnd);
                }
                std::vector<RankedCost> table(static_cast<std::size_t>(fixedSpan) + 1, Unreachable);
                for (int f = 0; f <= fixedSpan; ++f) {
                    RankedCost best = Unreachable;
                    // Past the saving's end a higher sum saves nothing, and the free part costs
                    // more.
                    const std::size_t last =
                        std::min(freeLeast.size() - 1,
                                 static_cast<std::size_t>(std::max(group.savingEnd - f, 0)));
                    for (std::size_t t = 0; t <= last; ++t) {
                        const RankedCost part = group.costBySum[static_cast<std::size_t>(f) + t];
                        if (part < Unreachable) {
                            best = std::min(best, ShareScale * part + freeLeast[t]);
                        }
                    }
                    table[static_cast<std::size_t>(f)] = best;
                }
                m_boundTables[g][depth] = std::move(table);
            }
        }
        for (std::size_t depth = AttributeCount + 1; depth-- > 0;) {
            m_freeLeastCost[depth] = depth == AttributeCount
                                         ? 0
                                         : m_freeLeastCost[depth + 1] +
                                               ShareScale * m_attributes[m_order[depth]].leastCost;
        }
    }

    // `fixed` is ShareScale x the cost of the attributes fixed so far, `sums` each group's
    // weighted sum of their steps.
    // False when the node budget ran out before the search ended.
    bool Visit(std::size_t depth, RankedCost fixed, std::array<int, AttributeCount> &steps,
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
            RankedCost bound;
            int step;
        };
        // Groups that do not use this attribute add the same to every child's bound; for the
        // groups that use it, each step moves along their table by the attribute's weight.
        RankedCost sameForEveryChild = fixed + m_freeLeastCost[depth + 1];
        std::array<const RankedCost *, MaxGroups> userRows{};
        std::array<int, MaxGroups> userWeights{};
        std::size_t userCount = 0;
        for (std::size_t g = 0; g < m_groups.size(); ++g) {
            const RankedCost *row = m_boundTables[g][depth + 1].data() + sums[g];
            if (m_groups[g].weight[a] > 0) {
                userRows[userCount] = row;
                userWeights[userCount++] = m_groups[g].weight[a];
                continue;
            }
            if (*row >= Unreachable) {
                return true;
            }
            sameForEveryChild += *row;
        }
        const bool last = depth + 1 == AttributeCount;
        std::array<Child, LevelCount + 1> children{};
        std::size_t count = 0;
        for (int step = 0; step < attribute.range.Count(); ++step) {
            RankedCost bound = sameForEveryChild +
                               ShareScale * attribute.costByStep[static_cast<std::size_t>(step)];
            for (std::size_t u = 0; u < userCount; ++u) {
                const RankedCost part = userRows[u][userWeights[u] * step];
                // Every part is at least 0, so a bound already past the best stays past it.
                if (part >= Unreachable || bound > ShareScale * m_bestCost) {
                    bound = Unreachable;
                    break;
                }
                bound += part;
            }
            if (bound > ShareScale * m_bestCost) {
                continue;
            }
            if (last) {
                // The bound of a leaf is its exact cost.
                steps[a] = step;
                if (Better(bound / ShareScale, steps)) {
                    m_bestCost = bound / ShareScale;
                    m_bestSteps = steps;
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
            if (child.bound > ShareScale * m_bestCost) {
                break;
            }
            steps[a] = child.step;
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                sums[g] += m_groups[g].weight[a] * child.step;
            }
            const bool finished = Visit(
                depth + 1,
                fixed + ShareScale * attribute.costByStep[static_cast<std::size_t>(child.step)],
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
    std::vector<GoalRange> m_skillRanges;     // the skills the race can learn
    std::vector<std::int64_t> m_neededLessEq; // their ModdedAtGoal less EQ
    std::array<int, SkillCount> m_skillIndex{};
    std::array<std::size_t, AttributeCount> m_order{};
    // By attribute and group: the group's share of the attribute's cost, in 1 / ShareScale, and
    // the fractions tuning moves them by.
    std::array<std::array<RankedCost, MaxGroups>, AttributeCount> m_share{};
    std::array<std::array<RankedCost, MaxGroups>, AttributeCount> m_bestShare{};
    std::array<std::array<double, MaxGroups>, AttributeCount> m_fraction{};
    std::array<int, AttributeCount> m_groupsUsing{};
    RankedCost m_bestBound = -1;
    double m_stepFactor = 2;
    long m_nodesLeft = NoBudget; // nodes the attempt may still visit
    std::vector<std::array<std::vector<RankedCost>, AttributeCount + 1>> m_boundTables;
    std::array<RankedCost, AttributeCount + 1> m_freeLeastCost{}; // by depth
    std::array<int, AttributeCount> m_bestSteps{};
    RankedCost m_bestCost = Unreachable;
};

} // namespace

std::optional<SkillLevels> CheapestReachLevels(const CharacterPlan &plan, SkillNumber skill,
                                               std::int32_t target, const SkillLevels &low,
                                               const SkillLevels &high) {
    auto moddedAt = [&plan, skill](const SkillLevels &levels) {
        CharacterPlan at = plan;
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            at.skills.at(s).Goal = levels.at(s);
        }
        return ModdedAtGoal(at, skill);
    };
    // The modded value never falls as a level rises, so `high` is the most that can be reached.
    if (moddedAt(low) >= target) {
        return low;
    }
    if (moddedAt(high) < target) {
        return std::nullopt;
    }
    SkillLevels levels = low;
    if (skill < AttributeCount) {
        levels.at(skill) = static_cast<Level>(std::int64_t{target} - plan.skills.at(skill).EQ);
        return levels;
    }
    ReachSearch search(plan, skill, target, low, high);
    if (!search.Run()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < search.Attributes().size(); ++i) {
        const ReachAttribute &a = search.Attributes()[i];
        levels.at(a.number) = static_cast<Level>(a.range.Low() + search.BestStep(i));
    }
    levels.at(skill) = search.BestSkillGoal();
    return levels;
}

std::optional<CharacterPlan> CheapestReachSearch(const CharacterPlan &start, SkillNumber skill,
                                                 std::int32_t target) {
    SkillLevels goals{};
    SkillLevels highest{};
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        goals.at(s) = start.skills.at(s).Goal;
        highest.at(s) = RaceMax(start.race, s);
    }
    const std::optional<SkillLevels> levels =
        CheapestReachLevels(start, skill, target, goals, highest);
    if (!levels) {
        return std::nullopt;
    }
    CharacterPlan result = start;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        result.skills.at(s).Goal = levels->at(s);
    }
    result.Recalculate();
    return result;
}

CharacterPlan CheapestGoalsSearch(const CharacterPlan &start, bool attributesMayFall,
                                  long firstNodeBudget) {
    GoalSearch search(start, attributesMayFall);
    return search.Apply(search.Run(firstNodeBudget));
}

} // namespace Tarrowind_Module::OptimiserSearch
