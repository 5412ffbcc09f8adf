// The person lists most persons leave empty: they answer as the lists they stand for, and only
// a change gives them storage.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/media.h"
#include "model/media_lists.h"

#include <utility>

#include <gtest/gtest.h>

TEST(SparseList, AnEmptyListAnswersAsAListWithoutTakingStorage)
{
    const Clovek p;
    const Prvky& read = p.residences;
    EXPECT_EQ(read.count(), 0);
    EXPECT_EQ(p.residences.first(), nullptr);
    EXPECT_EQ(p.residences.last(), nullptr);
    EXPECT_EQ(p.residences.at(0), nullptr);
    CasoveObdobi stranger("Brno");
    EXPECT_FALSE(p.residences.contains(&stranger));
    EXPECT_EQ(p.residences.indexOf(&stranger), -1);
    int seen = 0;
    for (CasoveObdobi* e : p.residences.items<CasoveObdobi>())
        seen += e != nullptr;
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(personMedia(p, MediaKind::Photo).count(), 0);

    Clovek q;
    q.educations.remove(&stranger);
    q.educations.clear();
    q.educations.sort();
    q.educations.swapWithNext(0);
    EXPECT_EQ(personMedia(std::as_const(q), MediaKind::File).first(), nullptr);
    EXPECT_FALSE(p.residences.hasStorage());
    EXPECT_FALSE(q.educations.hasStorage());
    EXPECT_FALSE(q.files.hasStorage());
}

TEST(SparseList, ChangesReachTheOneListThroughEveryName)
{
    Clovek p;
    auto* brno = new CasoveObdobi("Brno");
    auto* praha = new CasoveObdobi("Praha");
    p.residences.append(std::unique_ptr<Prvek>(brno));
    p.residences.own().append(std::unique_ptr<Prvek>(praha));
    const Prvky& read = p.residences;
    EXPECT_EQ(read.count(), 2);
    EXPECT_TRUE(p.residences.contains(praha));
    EXPECT_EQ(brno->list(), &read);
    p.residences.swapWithNext(0);
    EXPECT_EQ(p.residences.first(), praha);
    EXPECT_EQ(p.residences.indexOf(brno), 1);
    p.residences.remove(praha);
    EXPECT_EQ(p.residences.count(), 1);
    EXPECT_EQ(p.residences.last(), brno);
    p.residences.clear();
    EXPECT_EQ(p.residences.count(), 0);

    Prvky& photos = personMedia(p, MediaKind::Photo);
    EXPECT_EQ(&photos, &static_cast<const Prvky&>(p.photos));
    EXPECT_TRUE(p.photos.hasStorage());
}
