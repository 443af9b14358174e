// The program's own code with the real link library, over a pseudo-terminal, against the
// gateway simulator. Every case runs in a process of its own: a closed link stays closed.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <thread>

#include "GatewayMaster.h"
#include "PortLink.h"
#include "ShellFixture.h"
#include "platform/FlexGrid.h"
#include "platform/KlvnImports.h"
#include "shell/FormMsg.h"

using vuz::sim::Fault;
using vuz::sim::FaultKind;
using vuz::sim::GatewayThread;
using vuz::sim::TransferEnd;

namespace {

class EndToEndTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    setenv("KLVNDRV_COM1", sim_.device_path().c_str(), 1);
  }

  // The port is being opened, before any wait or transfer: a hook that plays the user in a wait
  // stays out of it, and nothing else calls the library meanwhile.
  bool PortOpening() const { return ui.busyDepth > 0; }

  // Runs the wizard up to the online start actions on COM1.
  FormComSel& ToOnlineActions() {
    FormComSel& wizard = Wizard();
    wizard.show();
    wizard.cmdOKbtn_Click();
    wizard.CmbPort->setCurrentIndex(1);
    wizard.cmdOKbtn_Click();
    return wizard;
  }

  // An online session on "Create New" (all four actions offered).
  FormMain& OpenOnline() {
    WriteFile("vuzovid.ini", "[Window]\r\nDEFAULT=0\r\n");
    ToOnlineActions().CmdGo_Click(2);
    FormMain& main = Main();
    Activate(main);
    return main;
  }

  // Clicks the progress window's Cancel once the bar has reached `count`.
  void CancelAt(int count) {
    ui.onProcessEvents = [count] {
      FormMsg& msg = Forms::Get<FormMsg>(FormId::Msg);
      if (msg.ProgressBar1->value() >= count && msg.BtnCommand->isEnabled()) {
        msg.BtnCommand->click();
        msg.BtnCommand->click();  // twice is as once
      }
    };
  }

  static std::vector<std::uint32_t> GatewayImage() {
    std::vector<std::uint32_t> words(shell::kGatewayImageWords);
    for (size_t i = 0; i < words.size(); ++i) words[i] = static_cast<std::uint32_t>(i * 2654435761u);
    words[0] = 0xFFFF8001u;  // model 0, group 0: axes 0 and 15
    return words;
  }

  bool ImageUnchanged(const std::array<int32_t, shell::kPrgDataWords>& before) {
    return shell::PrgData == before;
  }

  // The gateway polls again until the PC answers (polls sent before the PC has opened the port
  // are lost, as on a real line).
  std::optional<std::uint32_t> PollUntilAnswered(std::uint32_t data, std::stop_token stop) {
    std::optional<std::uint32_t> answer;
    while (!answer && !stop.stop_requested()) answer = gateway_.poll(data, stop);
    return answer;
  }

  // Once the upload has moved `count` words and the gateway has gone quiet there, its side of
  // the line goes away. A loss that went unnoticed would end, silently, in a Cancel after far
  // more steps than noticing takes. True in `lost` once the line went.
  void HangUpAt(GatewayThread& side, int count, bool& lost) {
    ui.onProcessEvents = [this, &side, count, &lost, stepsAfter = 0]() mutable {
      FormMsg& msg = Forms::Get<FormMsg>(FormId::Msg);
      if (lost && ++stepsAfter == 20) msg.BtnCommand->click();
      if (lost || msg.ProgressBar1->value() < count) return;
      side.wait();
      sim_.hang_up();
      lost = true;
    };
  }

  vuz::sim::GatewaySimulator sim_;
  vuz::sim::GatewayMaster gateway_{sim_};
};

constexpr const char* kLostLineText =
    "The serial line of COM1 was lost and could not be opened again.";

}  // namespace

TEST_F(EndToEndTest, APortHeldByAnotherOpenEndsTheProgramAfterTheMessage) {
  const int holder = open(sim_.device_path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
  bool ended = false;
  Forms::SetOnAllUnloaded([&ended] { ended = true; });

  ToOnlineActions().CmdGo_Click(0);

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Selected COM Port has been used.");
  EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation);
  EXPECT_TRUE(ended);
  EXPECT_FALSE(Forms::IsLoaded(FormId::Main));
  Forms::SetOnAllUnloaded({});
  close(holder);
}

TEST_F(EndToEndTest, UploadFromTheControllersWaitsForStateNibbleZero) {
  gateway_.data.word_image = GatewayImage();
  std::vector<std::optional<std::uint32_t>> answers;
  std::vector<vuz::sim::TransferOutcome> outcomes;
  std::jthread gateway([&](std::stop_token stop) {
    answers.push_back(PollUntilAnswered(0x30000000u, stop));
    answers.push_back(gateway_.poll(0xF0000005u, stop));
    outcomes = gateway_.serve({.poll_data = 0x00000007u}, stop);
  });

  ToOnlineActions().CmdGo_Click(0);
  gateway.join();

  EXPECT_EQ(answers, (std::vector<std::optional<std::uint32_t>>{4u, 4u}));
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::Completed) << outcomes[0].error;
  EXPECT_EQ(outcomes[0].code, 1u);
  EXPECT_EQ(outcomes[0].letters['W'], 256u);
  EXPECT_EQ(outcomes[0].letters['w'], 49u);
  for (int i = 0; i < shell::kGatewayImageWords; ++i) {
    ASSERT_EQ(static_cast<std::uint32_t>(shell::PrgData[i]), gateway_.data.word_image[i]) << i;
  }
  FormMain& main = Main();
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(Wizard().isVisible());
  EXPECT_EQ(main.SyncGrid->TextMatrix(1, 1), "1");
  EXPECT_EQ(main.SyncGrid->TextMatrix(1, 16), "1");
  EXPECT_TRUE(shell::DataModified);  // the image now differs from every file
  EXPECT_TRUE(main.isEnabled());
  EXPECT_FALSE(Forms::Get<FormMsg>(FormId::Msg).isVisible());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EndToEndTest, DownloadSendsTheLatestGridEdit) {
  FormMain& main = OpenOnline();
  EXPECT_TRUE(main.mnuUpload->isEnabled());
  shell::PrgData[200] = 4242;  // words beyond the ZEL file travel too
  main.SyncGrid->SetTextMatrix(2, 4, "1");  // in the grid, not yet in the image
  std::vector<std::string> captions;
  ui.onProcessEvents = [&captions] {
    const std::string text = Forms::Get<FormMsg>(FormId::Msg).LblMsg->text().toStdString();
    if (captions.empty() || captions.back() != text) captions.push_back(text);
  };
  GatewayThread side(gateway_, {.poll_data = 0});

  main.mnuDownload_Click();

  const auto outcomes = side.wait();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::Completed) << outcomes[0].error;
  EXPECT_EQ(outcomes[0].code, 2u);
  EXPECT_EQ(gateway_.data.word_image[1], 1u << 3);
  EXPECT_EQ(gateway_.data.word_image[200], 4242u);
  EXPECT_EQ(captions.front(), "Please start to download from Gateway.");
  EXPECT_EQ(captions.back(), "Downloading...");
  EXPECT_EQ(Forms::Get<FormMsg>(FormId::Msg).ProgressBar1->value(), 305);
  EXPECT_FALSE(shell::DataModified);  // a download leaves the saved state alone
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EndToEndTest, CancelEndsAnUploadSilentlyWithTheImageUnchanged) {
  FormMain& main = OpenOnline();
  gateway_.data.word_image = GatewayImage();
  shell::PrgData[7] = 77;
  const auto before = shell::PrgData;
  CancelAt(20);
  GatewayThread side(gateway_, {.poll_data = 0, .fault = {FaultKind::Silence, 40}});

  main.mnuUpload_Click();

  side.stop();
  EXPECT_TRUE(ImageUnchanged(before));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(shell::DataModified);
  EXPECT_FALSE(Forms::Get<FormMsg>(FormId::Msg).isVisible());
  EXPECT_TRUE(main.SyncGrid->isVisible());
  EXPECT_TRUE(main.isEnabled());
}

TEST_F(EndToEndTest, AGatewayThatNeverStartsWaitsUntilCancel) {
  FormMain& main = OpenOnline();
  int steps = 0;
  std::string caption;
  ui.onProcessEvents = [&] {
    FormMsg& msg = Forms::Get<FormMsg>(FormId::Msg);
    caption = msg.LblMsg->text().toStdString();
    if (++steps == 3) msg.BtnCommand->click();
  };
  main.mnuDownload_Click();  // nobody polls
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(caption, "Please start to download from Gateway.");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EndToEndTest, AFailedUploadIsReportedAndChangesNothing) {
  FormMain& main = OpenOnline();
  gateway_.data.word_image = GatewayImage();
  const auto before = shell::PrgData;
  GatewayThread side(gateway_, {.poll_data = 0, .fault = {FaultKind::SkipWord, 100}});

  main.mnuUpload_Click();

  const auto outcomes = side.wait();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::NoAnswer);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Upload was failed.");
  EXPECT_TRUE(ImageUnchanged(before));
  EXPECT_FALSE(shell::DataModified);
}

TEST_F(EndToEndTest, ALostLineFailsTheTransferWithoutACancel) {
  FormMain& main = OpenOnline();
  gateway_.data.word_image = GatewayImage();
  const auto before = shell::PrgData;
  GatewayThread side(gateway_, {.poll_data = 0, .fault = {FaultKind::Silence, 40}});
  bool lost = false;
  HangUpAt(side, 40, lost);

  main.mnuUpload_Click();

  EXPECT_TRUE(lost);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Upload was failed.");
  EXPECT_TRUE(ImageUnchanged(before));
  EXPECT_TRUE(main.isEnabled());
}

TEST_F(EndToEndTest, AfterALostLineTheNextUploadOpensThePortAgainWithoutARestart) {
  PortLink port(Path("ttyGateway"));
  port.PointAt(sim_.device_path());
  FormMain& main = OpenOnline();
  {
    GatewayThread side(gateway_, {.poll_data = 0, .fault = {FaultKind::Silence, 40}});
    bool lost = false;
    HangUpAt(side, 40, lost);
    main.mnuUpload_Click();
    ASSERT_TRUE(lost);
  }
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Upload was failed.");

  // The adapter is plugged in again: the same name leads to a gateway again.
  vuz::sim::GatewaySimulator replugged;
  vuz::sim::GatewayMaster gateway{replugged};
  gateway.data.word_image = GatewayImage();
  port.PointAt(replugged.device_path());
  ui.onProcessEvents = nullptr;
  GatewayThread side(gateway, {.poll_data = 0});
  // Window events run while the port is opened again, before the transfer starts.
  bool eventsRanWhileReopening = false;
  QTimer::singleShot(0, &main, [&] {
    eventsRanWhileReopening = axisdata::LoopRunning() && ui.busyDepth == 1 &&
                              !Forms::Get<FormMsg>(FormId::Msg).isVisible();
  });
  main.mnuUpload_Click();

  EXPECT_TRUE(eventsRanWhileReopening);
  const auto outcomes = side.wait();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::Completed) << outcomes[0].error;
  EXPECT_EQ(ui.messages.size(), 1u);
  for (int i = 0; i < shell::kGatewayImageWords; ++i) {
    ASSERT_EQ(static_cast<std::uint32_t>(shell::PrgData[i]), gateway.data.word_image[i]) << i;
  }
  EXPECT_TRUE(shell::DataModified);
}

namespace {

struct TransferCommand {
  const char* name;
  void (FormMain::*click)();
};
void PrintTo(const TransferCommand& c, std::ostream* os) { *os << c.name; }

class LostLineCommand : public EndToEndTest, public testing::WithParamInterface<TransferCommand> {};

}  // namespace

TEST_P(LostLineCommand, ThatCannotBeOpenedAgainIsToldByItsPortAndStartsNoTransfer) {
  PortLink port(Path("ttyGateway"));
  port.PointAt(sim_.device_path());
  FormMain& main = OpenOnline();
  const auto before = shell::PrgData;
  sim_.hang_up();
  ASSERT_TRUE(AwaitLostLine());
  port.PointAtNothing();
  const int eventRuns = ui.processEventsCalls;

  (main.*GetParam().click)();

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, kLostLineText);
  EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(ui.processEventsCalls, eventRuns);  // no transfer loop ran, and no wait for the port
  EXPECT_EQ(SioError(), KLVNDRV_SIO_LINE_LOST);  // told without asking the library to open it
  EXPECT_TRUE(ImageUnchanged(before));
  EXPECT_TRUE(main.isEnabled());
  EXPECT_TRUE(main.SyncGrid->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, LostLineCommand,
    testing::Values(TransferCommand{"Upload", &FormMain::mnuUpload_Click},
                    TransferCommand{"Download", &FormMain::mnuDownload_Click}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EndToEndTest, ALineLostDuringTheFirstPollWaitIsOpenedAgainAndTheStartActionGoesOn) {
  PortLink port(Path("ttyGateway"));
  port.PointAt(sim_.device_path());
  vuz::sim::GatewaySimulator replugged;
  vuz::sim::GatewayMaster gateway{replugged};
  gateway.data.word_image = GatewayImage();
  std::jthread waiting([this](std::stop_token stop) {
    while (!stop.stop_requested()) gateway_.poll(0x80000000u, stop);  // not the awaited nibble
  });
  std::optional<GatewayThread> side;
  int stepsAfter = 0;
  ui.onProcessEvents = [&] {
    if (PortOpening()) return;
    // Far more tries than opening again takes: a wait that goes on without its line is given up
    // (the upload after it counts words).
    if (side && klvn::get_load_count() == 0 && ++stepsAfter == 200) {
      Forms::Get<FormMsg>(FormId::Msg).BtnCommand->click();
    }
    if (side) return;
    waiting.request_stop();
    waiting.join();
    port.PointAt(replugged.device_path());
    sim_.hang_up();
    side.emplace(gateway, vuz::sim::ServeOptions{.poll_data = 0});
  };

  ToOnlineActions().CmdGo_Click(0);

  ASSERT_TRUE(side);
  const auto outcomes = side->wait();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::Completed) << outcomes[0].error;
  EXPECT_EQ(static_cast<std::uint32_t>(shell::PrgData[100]), gateway.data.word_image[100]);
  EXPECT_TRUE(Main().isVisible());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EndToEndTest, TheFirstPollWaitCanBeGivenUp) {
  std::jthread gateway([&](std::stop_token stop) {
    while (!stop.stop_requested()) gateway_.poll(0x80000000u, stop);
  });
  int steps = 0;
  ui.onProcessEvents = [this, &steps] {
    if (PortOpening()) return;
    if (++steps == 4) Forms::Get<FormMsg>(FormId::Msg).BtnCommand->click();
  };
  FormComSel& wizard = ToOnlineActions();
  wizard.CmdGo_Click(0);
  gateway.request_stop();
  EXPECT_EQ(steps, 4);
  EXPECT_FALSE(Main().isVisible());
  EXPECT_TRUE(wizard.isEnabled());
  EXPECT_FALSE(wizard.CmdGo[0]->isHidden());  // the start actions are offered again
  EXPECT_FALSE(Forms::Get<FormMsg>(FormId::Msg).isVisible());
}

TEST_F(EndToEndTest, OpenAndDownloadWaitsForANonZeroNibble) {
  WriteFile("vuzovid.ini", "[Window]\r\nDEFAULT=0\r\n");
  std::vector<std::string> values(133, "0");
  values[0] = "3";
  values[132] = "9";
  WriteFile("set.zel", ZelText(values));
  ui.dialogAnswers = {Path("set.zel")};
  std::vector<std::optional<std::uint32_t>> answers;
  std::vector<vuz::sim::TransferOutcome> outcomes;
  std::jthread gateway([&](std::stop_token stop) {
    answers.push_back(PollUntilAnswered(0x00000001u, stop));  // nibble 0: not this one
    outcomes = gateway_.serve({.poll_data = 0x20000000u}, stop);
  });

  ToOnlineActions().CmdGo_Click(1);
  gateway.join();

  EXPECT_EQ(answers, (std::vector<std::optional<std::uint32_t>>{4u}));
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::Completed) << outcomes[0].error;
  EXPECT_EQ(gateway_.data.word_image[0], 3u);
  EXPECT_EQ(gateway_.data.word_image[132], 9u);
  EXPECT_EQ(shell::CurFileName, Path("set.zel"));
  EXPECT_TRUE(Main().isVisible());
}

namespace {

// A file to download that never reached the image: the dialog's answer and the messages it brings.
struct NoFileCase {
  const char* name;
  const char* answer;  // nullptr: Cancel
  std::size_t messages;
};

void PrintTo(const NoFileCase& c, std::ostream* os) { *os << c.name; }

class OpenAndDownloadWithoutAFile : public EndToEndTest,
                                    public testing::WithParamInterface<NoFileCase> {};

}  // namespace

TEST_P(OpenAndDownloadWithoutAFile, SendsNothingAndOffersTheStartActionsAgain) {
  const NoFileCase& c = GetParam();
  WriteFile("vuzovid.ini", "[Window]\r\nDEFAULT=0\r\n");
  WriteFile("short.zel", ZelText({"1"}, 5));
  ui.dialogAnswers = {c.answer ? std::optional<std::string>(Path(c.answer)) : std::nullopt};
  gateway_.data.word_image = GatewayImage();
  // A gateway ready to take a download: its polls carry the nibble the action waits for.
  GatewayThread side(gateway_, {.poll_data = 0x20000000u});

  FormComSel& wizard = ToOnlineActions();
  wizard.CmdGo_Click(1);
  side.stop();

  EXPECT_EQ(ui.dialogs.size(), 1u);
  EXPECT_TRUE(side.wait().empty());
  EXPECT_EQ(gateway_.data.word_image, GatewayImage());
  EXPECT_EQ(ui.messages.size(), c.messages);
  EXPECT_FALSE(Main().isVisible());
  EXPECT_TRUE(wizard.isVisible());
  EXPECT_TRUE(wizard.isEnabled());
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(wizard.CmdGo[i]->isHidden()) << i;
  EXPECT_FALSE(Forms::Get<FormMsg>(FormId::Msg).isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, OpenAndDownloadWithoutAFile,
    testing::Values(NoFileCase{"CancelledDialog", nullptr, 0},
                    NoFileCase{"FileThatCannotBeRead", "short.zel", 1}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

// A close request from the window system.
void CloseWindow(FormId id) { Forms::Load(id)->Widget()->close(); }

// Every window a user could close while a loop runs, and a second start action clicked.
void CloseEveryWindowAndClickAgain(FormComSel& wizard) {
  for (FormId id : {FormId::Main, FormId::ComSel, FormId::Msg}) CloseWindow(id);
  // The wizard is disabled meanwhile; a click that got through all the same starts nothing.
  wizard.setEnabled(true);
  for (QPushButton* button : wizard.CmdGo) button->click();
  wizard.setEnabled(false);
}

}  // namespace

TEST_F(EndToEndTest, ClosingWindowsDuringADownloadIsRefusedUntilItEnds) {
  FormMain& main = OpenOnline();
  const auto before = shell::PrgData;
  int steps = 0;
  ui.onProcessEvents = [&] {
    if (++steps == 2) {
      for (FormId id : {FormId::Main, FormId::ComSel, FormId::Msg}) CloseWindow(id);
    }
    if (steps == 4) Forms::Get<FormMsg>(FormId::Msg).BtnCommand->click();
  };
  main.mnuDownload_Click();  // nobody polls

  EXPECT_EQ(steps, 4);  // the loop ran on to the cancel
  for (FormId id : {FormId::Main, FormId::ComSel, FormId::Msg}) EXPECT_TRUE(Forms::IsLoaded(id));
  EXPECT_TRUE(ImageUnchanged(before));
  EXPECT_TRUE(ui.messages.empty());
  main.close();  // once the loop has ended, the close goes ahead
  EXPECT_FALSE(Forms::IsLoaded(FormId::Main));
}

TEST_F(EndToEndTest, AnUploadRunsToItsEndThroughACloseOfTheMainWindow) {
  FormMain& main = OpenOnline();
  gateway_.data.word_image = GatewayImage();
  bool closed = false;
  ui.onProcessEvents = [&] {
    if (!closed && klvn::get_load_count() > 10) {
      closed = true;
      main.close();
    }
  };
  GatewayThread side(gateway_, {.poll_data = 0});
  main.mnuUpload_Click();

  const auto outcomes = side.wait();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::Completed) << outcomes[0].error;
  EXPECT_TRUE(closed);
  EXPECT_TRUE(Forms::IsLoaded(FormId::Main));
  EXPECT_EQ(static_cast<std::uint32_t>(shell::PrgData[100]), gateway_.data.word_image[100]);
}

TEST_F(EndToEndTest, TheWizardStaysDuringItsFirstPollWaitAndTakesNoSecondAction) {
  std::jthread gateway([&](std::stop_token stop) {
    while (!stop.stop_requested()) gateway_.poll(0x80000000u, stop);
  });
  FormComSel& wizard = ToOnlineActions();
  int steps = 0;
  bool nested = false;
  bool inHook = false;
  ui.onProcessEvents = [&] {
    if (PortOpening()) return;
    nested = nested || inHook;
    inHook = true;
    ++steps;
    EXPECT_FALSE(wizard.isEnabled());
    if (steps == 2) CloseEveryWindowAndClickAgain(wizard);
    if (steps == 4) Forms::Get<FormMsg>(FormId::Msg).BtnCommand->click();
    inHook = false;
  };
  wizard.CmdGo_Click(0);
  gateway.request_stop();

  EXPECT_FALSE(nested);
  EXPECT_EQ(steps, 4);
  for (FormId id : {FormId::Main, FormId::ComSel, FormId::Msg}) EXPECT_TRUE(Forms::IsLoaded(id));
  EXPECT_TRUE(wizard.isEnabled());
  EXPECT_FALSE(Main().isVisible());
}

TEST_F(EndToEndTest, TheWizardStaysDuringItsUploadFromTheControllers) {
  gateway_.data.word_image = GatewayImage();
  std::vector<vuz::sim::TransferOutcome> outcomes;
  std::jthread gateway([&](std::stop_token stop) {
    PollUntilAnswered(0x00000000u, stop);
    outcomes = gateway_.serve({.poll_data = 0}, stop);
  });
  FormComSel& wizard = ToOnlineActions();
  bool closed = false;
  ui.onProcessEvents = [&] {
    if (PortOpening()) return;
    if (!closed && klvn::get_load_count() > 10) {
      closed = true;
      CloseEveryWindowAndClickAgain(wizard);
    }
  };
  wizard.CmdGo_Click(0);
  gateway.join();

  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].end, TransferEnd::Completed) << outcomes[0].error;
  EXPECT_TRUE(closed);
  EXPECT_EQ(static_cast<std::uint32_t>(shell::PrgData[100]), gateway_.data.word_image[100]);
  EXPECT_TRUE(Main().isVisible());
  EXPECT_FALSE(wizard.isVisible());
}

TEST_F(EndToEndTest, AfterACancelledUploadTheNextRunsInFull) {
  FormMain& main = OpenOnline();
  gateway_.data.word_image = GatewayImage();
  CancelAt(20);
  GatewayThread side(gateway_, {.poll_data = 0, .transfers = 2});
  main.mnuUpload_Click();  // the gateway's next frame stays unread on the line
  ui.onProcessEvents = nullptr;
  main.mnuUpload_Click();

  const auto outcomes = side.wait();
  ASSERT_EQ(outcomes.size(), 2u);
  EXPECT_EQ(outcomes[1].end, TransferEnd::Completed) << outcomes[1].error;
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(static_cast<std::uint32_t>(shell::PrgData[300]), gateway_.data.word_image[300]);
}
