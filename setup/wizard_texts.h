// The setup wizard's own texts: page titles, page contents, questions and button captions.
#pragma once

namespace setup {

constexpr int kPageCount = 5;

// Titles shown in the top panel, by page number.
constexpr const char* kPageTitles[kPageCount] = {"Welcome to the Korvalith Setup",
                                                 "License Agreement", "Choose Destination Folder",
                                                 "Ready to Install", "Installation Complete"};

constexpr char kWelcomeText[] =
    "This program will install Korvalith (version 1.0.0.1) on your computer.\r\r\r\r\rClick Next "
    "to continue. Click Cancel to quit Setup.";
constexpr char kLegalNotice[] =
    "WARNING: This program is protected by copyright law and international treaties. "
    "Unauthorized reproduction or distribution of this program, or any portion of it, may result "
    "in severe civil and criminal penalties.";
constexpr char kLicenseLabel[] = "Please read the following License Agreement:";
constexpr char kAcceptLicense[] = "I &accept all the terms of the above License Agreement";
constexpr char kDeclineLicense[] = "I do n&ot accept the terms of the above License Agreement";
constexpr char kDestDirLabel[] = "Specify the &folder where you want to install Korvalith:";
constexpr char kStartText[] =
    "You are now ready to install Korvalith.\r\rClick Next to begin installation. Click Back if "
    "you want to review or change installation settings.";
constexpr char kFinishText[] =
    "Korvalith has been successfully installed on your system.\r\rFor the latest information "
    "about Korvalith, please visit the product web page at https://ostrevane.example/korvalith"
    "\r\rClick Finish to exit this Setup.";

constexpr char kBackCaption[] = "< &Back";
constexpr char kNextCaption[] = "&Next >";
constexpr char kFinishCaption[] = "&Finish";
constexpr char kCancelCaption[] = "Cancel";

constexpr char kDeclineQuestion[] =
    "To install this program, you need to agree to all the terms\rof the Korvalith License "
    "Agreement.\rDo you really want to cancel the Korvalith install?";
constexpr char kQuitQuestion[] =
    "Setup is not complete. If you quit this setup program now,\rKorvalith will not be correctly "
    "installed.\r\rYou may relaunch the setup program at a later time\rto complete the "
    "installation of Korvalith.\r\rTo continue installing, click No.\rTo quit this setup program, "
    "click Abort.";
constexpr char kStillRunningQuestion[] =
    "Korvalith is still running and did not close.\rPlease end it, then click Retry.\r\rClick "
    "Cancel to go back to Setup without installing.";

// Registry keys and values the wizard reads and writes.
constexpr char kSettingsKey[] = "Software\\Ostrevane\\Korvalith";
constexpr char kMainDirValue[] = "MAINDIR";
constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kProgramFilesValue[] = "ProgramFilesDir";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvalith";

}  // namespace setup
