#include "setup/modules.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace brontel {
namespace {

TEST(ProgramModulesTest, StartInOrderStopInReverse) {
  std::vector<std::string> log;
  {
    ProgramModules modules;
    modules.AddShutdownStep([&] { log.push_back("stop forms"); });
    for (const char* name : {"links", "fonts"}) {
      modules.AddModule(name, [&log, name](ProgramModules& m) {
        m.AddShutdownStep([&log, name] { log.push_back(std::string("stop ") + name); });
        log.push_back(std::string("start ") + name);
      });
    }
    EXPECT_EQ(modules.ModuleNames(), (std::vector<std::string>{"links", "fonts"}));
    modules.Start();
    modules.Shutdown();
    modules.Shutdown();  // each step runs once
  }                      // nor again at destruction
  EXPECT_EQ(log, (std::vector<std::string>{"start links", "start fonts", "stop fonts", "stop links",
                                           "stop forms"}));
}

TEST(ProgramModulesTest, AFailingStepDoesNotKeepTheOthersFromRunning) {
  std::vector<std::string> log;
  ProgramModules modules;
  modules.AddShutdownStep([&] { log.push_back("a"); });
  modules.AddShutdownStep([&] { throw std::runtime_error("first"); });
  modules.AddShutdownStep([&] { throw std::runtime_error("second"); });
  modules.AddShutdownStep([&] { log.push_back("d"); });
  try {
    modules.Shutdown();
    FAIL() << "no failure reported";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "second");  // the first to fail, running backwards
  }
  EXPECT_EQ(log, (std::vector<std::string>{"d", "a"}));
}

TEST(ProgramModulesTest, DestructionRunsWhatIsLeft) {
  int stopped = 0;
  {
    ProgramModules modules;
    modules.AddShutdownStep([&] { ++stopped; });
  }
  EXPECT_EQ(stopped, 1);
}

}  // namespace
}  // namespace brontel
