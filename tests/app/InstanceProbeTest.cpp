#include "app/InstanceProbe.h"

#include <gtest/gtest.h>

#include <memory>

#include <unistd.h>

using kunimor::app::TInstanceProbe;

TEST(InstanceProbe, ALaterCopyFindsTheFirstUntilItEnds) {
    const QString name = QStringLiteral("kunimor-test-%1").arg(::getpid());
    auto first = std::make_unique<TInstanceProbe>(name);
    EXPECT_FALSE(first->SecondInstance());
    EXPECT_TRUE(TInstanceProbe(name).SecondInstance());
    first.reset();
    EXPECT_FALSE(TInstanceProbe(name).SecondInstance());
}
