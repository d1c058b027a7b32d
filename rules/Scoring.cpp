#include "rules/Scoring.h"
#include "rules/Text.h"

namespace rules {

namespace {
QString folded(const QString &text)
{
    return trim(ucase(text));
}
} // namespace

Fifteen<QString> markDuplicates(Fifteen<QString> texts)
{
    // Each box folded once, and again whenever it is marked, in step with the boxes.
    Fifteen<QString> keys;
    for (int j = 1; j <= slotCount; ++j)
        keys[j] = folded(texts[j]);
    for (int i = 1; i <= slotCount; ++i) {
        // Counts the boxes that agree with box i, box i included: the first
        // agreeing box is never marked, and one box at most per i is.
        int k = 0;
        for (int j = 1; j <= slotCount; ++j) {
            if (keys[i] != keys[j])
                continue;
            k += 1;
            if (!texts[j].isEmpty() && k > 1) {
                texts[j] += duplicateMark;
                keys[j] = folded(texts[j]);
                break;
            }
        }
    }
    return texts;
}

int slotNamedBy(const QString &answer, const Fifteen<QString> &words)
{
    const QString trimmed = trim(answer);
    for (int k = 1; k <= slotCount; ++k) {
        if (trimmed == words[k])
            return k;
    }
    return 0;
}

Scoring scoreAnswers(const Fifteen<QString> &answers, const Fifteen<QString> &words)
{
    Scoring scoring;
    scoring.texts = markDuplicates(answers);
    for (int j = 1; j <= slotCount; ++j) {
        const int slot = slotNamedBy(scoring.texts[j], words);
        if (slot)
            scoring.correctslots.push_back(slot);
        else
            scoring.wrong[j] = true;
    }
    return scoring;
}

} // namespace rules
