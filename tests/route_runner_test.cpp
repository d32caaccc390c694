// Plays every route of tests/routes/*.route as a test case of its own.
#include "support/game_fixture.h"
#include "support/route_script.h"

namespace {

class RouteTest : public GameTest, public ::testing::WithParamInterface<route::Route> {};

TEST_P(RouteTest, Plays) { route::play(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Routes, RouteTest, ::testing::ValuesIn(route::loadRoutes(HULGOR_ROUTES_DIR)),
                         [](const ::testing::TestParamInfo<route::Route>& info) { return info.param.testName; });

}  // namespace
