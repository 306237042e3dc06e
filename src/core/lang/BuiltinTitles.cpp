#include "core/lang/BuiltinTitles.h"

namespace {

const char *const Titles[BuiltinTitles::Count] = {
    // Major Arcana
    "0. The Fool", "I. Existence", "II. Intuition", "III. Abundance", "IV. Authority",
    "V. Tradition", "VI. Union", "VII. Resolve", "VIII. Balance", "IX. Solitude", "X. Turning",
    "XI. Courage", "XII. Surrender", "XIII. Renewal", "XIV. Harmony", "XV. Bondage",
    "XVI. Upheaval", "XVII. Hope", "XVIII. Illusion", "XIX. Radiance", "XX. Awakening",
    "XXI. Completion",
    // First suit: fire, will and undertaking
    "Maturity", "Purpose", "Vision", "Celebration", "Rivalry", "Triumph", "Defiance", "Swiftness",
    "Endurance", "Burden", "The Herald", "The Rider", "The Hearth-Keeper", "The Chieftain",
    // Second suit: water, feeling and bonds
    "Affection", "Kinship", "Friendship", "Weariness", "Regret", "Memory", "Daydreams", "Departure",
    "Contentment", "Fulfilment", "The Dreamer", "The Suitor", "The Healer", "The Counsellor",
    // Third suit: air, thought and conflict
    "Clarity", "Stalemate", "Sorrow", "Respite", "Conflict", "Passage", "Cunning", "Restriction",
    "Anguish", "Ruin", "The Watcher", "The Challenger", "The Judge", "The Strategist",
    // Fourth suit: earth, work and possessions
    "Opportunity", "Juggling", "Craft", "Possession", "Hardship", "Generosity", "Patience",
    "Diligence", "Comfort", "Legacy", "The Apprentice", "The Labourer", "The Provider",
    "The Steward",
    // The extra card
    "The Master"};

} // namespace

QByteArray BuiltinTitles::title(int number)
{
    if (number < 0 || number >= Count)
        return {};
    return QByteArray(Titles[number]);
}
