#include "app/DataModule.h"
#include "app/MainForm.h"
#include "app/OpeningForm.h"
#include "platform/Slider.h"

#include <QtTest>
#include <QtWidgets>

class MainFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    TVL_DM FDataModule;

    void UseFreshStore()
    {
        static int n = 0;
        qputenv("VELLUMI_REGISTRY", FDir.filePath(QString("registry%1.json").arg(++n)).toUtf8());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toUtf8());
    }

    void init() { UseFreshStore(); }

    void firstRunIsCentredAt931By604()
    {
        TVL_Main_Form form(&FDataModule);
        const QRect monitor = QGuiApplication::screenAt(QPoint(0, 0))->geometry();
        QCOMPARE(form.size(), QSize(931, 604));
        QCOMPARE(form.pos(), QPoint(monitor.left() + (monitor.width() - 931) / 2,
                                    monitor.top() + (monitor.height() - 604) / 2));
        QCOMPARE(form.minimumSize(), QSize(800, 400));
    }

    void storedPlacementIsCorrected()
    {
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Left", -50);
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Top", 20);
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Width", 0);
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Height", 700);
        TVL_Main_Form form(&FDataModule);
        QCOMPARE(QRect(form.pos(), form.size()), QRect(0, 20, 931, 700));
    }

    void closingStoresPlacementAndMaximizedFlag()
    {
        {
            TVL_Main_Form form(&FDataModule);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.move(30, 40);
            form.resize(1000, 650);
            form.showMaximized();
            QTRY_VERIFY(form.isMaximized());
            form.close();
        }
        QVERIFY(TVL_DM::Reg_B_Read(HKEY_CURRENT_USER, VellumiKey, "formmaximize"));
        TVL_Main_Form again(&FDataModule);
        QVERIFY(again.windowState() & Qt::WindowMaximized);

        TVL_DM::Reg_B_Write(HKEY_CURRENT_USER, VellumiKey, "formmaximize", false);
        {
            TVL_Main_Form form(&FDataModule);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.move(30, 40);
            form.resize(1000, 650);
            form.close();
        }
        QCOMPARE(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Width"), 1000);
        QCOMPARE(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Height"), 650);
        QCOMPARE(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Left"), 30);
        QVERIFY(!TVL_DM::Reg_B_Read(HKEY_CURRENT_USER, VellumiKey, "formmaximize"));
    }

    void exitCommandStoresNothing()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The command ends the application's event loop.
        QTimer::singleShot(0, form.MenuAction("N_Exit"), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, VellumiKey));
        QVERIFY(form.isVisible());
    }

    void closeDeletesTheTempImageFolder()
    {
        const QString templates = FDir.filePath("Templates");
        QDir().mkpath(FDir.filePath("config"));
        QFile dirs(FDir.filePath("config/user-dirs.dirs"));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write(("XDG_TEMPLATES_DIR=\"" + templates + "\"\n").toUtf8());
        dirs.close();
        QVERIFY(QDir().mkpath(templates + "/Vellumi/TEMP_IMG"));
        TVL_Main_Form form(&FDataModule);
        form.show();
        form.close();
        QVERIFY(!QDir(templates + "/Vellumi/TEMP_IMG").exists());
    }

    void frameHasMenusNotebooksAndStatusBar()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList titles;
        for (QAction *action : form.menuBar()->actions())
            if (action->isVisible())
                titles << action->text();
        QCOMPARE(titles, QStringList({"파일(&F)", "편집(&E)", "보기(&V)", "효과(&I)", "도구(&T)", "언어(&L)"}));
        QVERIFY(form.Menu("N60"));
        QCOMPARE(form.Menu("N60")->title(), QString("단축키(K)"));
        QCOMPARE(form.MenuAction("N61")->shortcut(), QKeySequence("Ctrl+Z"));

        QStringList pages;
        for (int i = 0; i < form.EditNotebook()->count(); ++i)
            pages << form.EditNotebook()->widget(i)->objectName();
        QCOMPARE(pages, QStringList({"EC_Resolution", "EC_Filter", "EC_Stamp", "EC_Album", "EC_Cut", "EC_Text",
                                     "Ec_Balloon", "EC_Gif", "EC_Redeye", "EC_ImgPaste"}));
        QCOMPARE(form.CenterNotebook()->widget(0)->objectName(), QString("Nor_Page"));
        QCOMPARE(form.CenterNotebook()->widget(1)->objectName(), QString("Gif_Page"));
        QCOMPARE(form.CenterNotebook()->widget(2)->objectName(), QString("add_Img_Page"));
        QCOMPARE(form.PreViewNotebook()->widget(0)->objectName(), QString("OpenImg_NoteBook"));
        QCOMPARE(form.PreViewNotebook()->widget(1)->objectName(), QString("GIF_NoteBook"));

        QList<int> widths;
        for (int i = 0; i < 6; ++i)
            widths << form.StatusPanel(i)->width();
        QCOMPARE(widths, QList<int>({200, 200, 200, 200, 50, 200}));
        QVERIFY(form.findChild<QFrame *>("RgbColor_Panel"));
        QCOMPARE(form.findChild<QLabel *>("SliderValue_Panel")->text(), QString("400%"));
        QCOMPARE(form.ResolutionSlider()->MaxValue(), 1600);
    }

    void startsInResizeModeWithNoPhotoMenus()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.NowWorkType(), iectResolution);
        QCOMPARE(form.MouseMenuSel(), QString("Size_"));
        QCOMPARE(form.EditNotebook()->currentWidget()->objectName(), QString("EC_Resolution"));
        QCOMPARE(form.EditNotebook()->height(), 600);
        for (const char *name : {"N29", "N30", "N31", "N37", "N39", "N40", "N42", "N901", "N902", "N9", "N59"})
            QVERIFY2(!form.MenuAction(name)->isEnabled(), name);
    }

    void modeButtonActsOnlyAfterARealPress()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *balloon = form.findChild<QToolButton *>("ToolButton41");
        balloon->click(); // a click without a press, as from the keyboard
        QCOMPARE(form.NowWorkType(), iectResolution);
        QTest::mouseClick(balloon, Qt::LeftButton);
        QCOMPARE(form.NowWorkType(), iectBalloon);
        QCOMPARE(form.EditNotebook()->currentWidget()->objectName(), QString("Ec_Balloon"));
        QCOMPARE(form.EditNotebook()->height(), 600);
        QCOMPARE(form.MouseMenuSel(), QString("Balloon_"));

        // The join and GIF buttons act on the release.
        auto *gif = form.findChild<QToolButton *>("ToolButton47");
        QTest::mouseClick(gif, Qt::LeftButton);
        QCOMPARE(form.NowWorkType(), iectGif);
        QCOMPARE(form.CenterNotebook()->currentWidget()->objectName(), QString("Gif_Page"));
        QCOMPARE(form.PreViewNotebook()->currentWidget()->objectName(), QString("GIF_NoteBook"));

        form.SetBlockApply(true);
        form.MenuAction("Mode_Cut_")->trigger();
        QCOMPARE(form.NowWorkType(), iectGif);
        form.SetBlockApply(false);
        form.MenuAction("Mode_Cut_")->trigger();
        QCOMPARE(form.NowWorkType(), iectCut);
        QCOMPARE(form.EditNotebook()->height(), 450);
        QCOMPARE(form.MouseMenuSel(), QString("Cut_"));
    }

    void gifModeGreysTheZoomControlsUntilLeft()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *fit = form.findChild<QAbstractButton *>("SetImg_PNGButton");
        QVERIFY(fit->isEnabled());
        form.MenuAction("Mode_Gif_")->trigger();
        QVERIFY(!fit->isEnabled());
        QVERIFY(!form.ResolutionSlider()->isEnabled());
        QCOMPARE(form.StatusPanel(1)->text(), QString());
        form.MenuAction("Mode_Size_")->trigger();
        QVERIFY(fit->isEnabled());
        QVERIFY(form.ResolutionSlider()->isEnabled());
        QCOMPARE(form.CenterNotebook()->currentWidget()->objectName(), QString("Nor_Page"));
        QCOMPARE(form.PreViewNotebook()->currentWidget()->objectName(), QString("OpenImg_NoteBook"));
    }

    void pageEntryRunsWhenItsModeIsEntered()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        int entries = 0;
        form.SetPageEntry(iectCut, [&] { ++entries; });
        form.MenuAction("Mode_Cut_")->trigger();
        form.MenuAction("Mode_Size_")->trigger();
        QCOMPARE(entries, 1);
        QCOMPARE(form.EditPage("ec_cut")->objectName(), QString("EC_Cut"));
    }

    void setScroolDownMovesToTheClickedPoint()
    {
        TSlider slider;
        slider.resize(100, 20);
        QPixmap thumb(10, 16);
        thumb.fill(Qt::gray);
        slider.SetThumbPicture(thumb);
        slider.SetRange(10, 200);
        QSignalSpy changes(&slider, &TSlider::OnChange);
        SetScroolDown(80, 5, &slider, -10);
        QCOMPARE(slider.Value(), 171);
        QCOMPARE(changes.count(), 1);
        SetScroolDown(80, 5, &slider, -10);
        QCOMPARE(changes.count(), 1); // same value: no change event

        // Left of the middle the point moves back by a quarter thumb; past
        // the right end it clamps to the maximum.
        SetScroolDown(20, 0, &slider, -10);
        QCOMPARE(slider.Value(), 44); // x = 20 - 5 / 2 = 18; 18 * 190 / 100 + 10
        SetScroolDown(99, 0, &slider, -10);
        QCOMPARE(slider.Value(), 200);

        TSlider zoom;
        zoom.resize(100, 20);
        zoom.SetThumbPicture(thumb);
        zoom.SetRange(0, 1600);
        SetScroolDown(50, 0, &zoom, 0);
        QCOMPARE(zoom.Value(), 800);
    }

    void sliderClampsAndReportsStopTracking()
    {
        TSlider slider;
        slider.resize(120, 20);
        slider.SetRange(-50, 50);
        slider.SetValue(500);
        QCOMPARE(slider.Value(), 50);
        slider.SetValue(-51);
        QCOMPARE(slider.Value(), -50);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QSignalSpy stops(&slider, &TSlider::OnStopTracking);
        QSignalSpy ups(&slider, &TSlider::MouseUp);
        const QPoint thumb(slider.ThumbWidth() / 2, slider.height() / 2);
        QTest::mousePress(&slider, Qt::LeftButton, {}, thumb);
        QMouseEvent move(QEvent::MouseMove, QPointF(115, 10), slider.mapToGlobal(QPointF(115, 10)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&slider, &move);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(115, 10));
        QCOMPARE(stops.count(), 1);
        QCOMPARE(ups.count(), 1);
        QVERIFY(slider.Value() > 40);
    }

    void aboutBoxClosesOnAnyClick()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        QSize shown;
        std::function<void()> clickIt = [&] {
            QWidget *about = QApplication::activeModalWidget();
            if (!about || about->objectName() != "VL_About_Form") {
                QTimer::singleShot(0, clickIt);
                return;
            }
            shown = about->size();
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(10, 10));
        };
        QTimer::singleShot(0, clickIt);
        form.MenuAction("N_About")->trigger();
        QCOMPARE(shown, QSize(324, 121));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void waitBoxShowsOneBarAtATime()
    {
        TVL_Main_Form form(&FDataModule);
        form.show();
        TVL_Opening_Form *wait = form.OpeningForm();
        QSignalSpy closed(wait, &TVL_Opening_Form::Closed);
        wait->ShowWaiting();
        QVERIFY(wait->isVisible());
        QCOMPARE(wait->windowTitle(), QString("잠시만 기다려주세요..."));
        QCOMPARE(wait->size(), QSize(358, 88));
        QVERIFY(wait->ProgressBar1()->isVisible());
        QVERIFY(!wait->ProgressBar2()->isVisible());
        wait->FormUserClose();
        QVERIFY(!wait->isVisible());
        QCOMPARE(wait->ProgressBar1()->value(), 100);
        QCOMPARE(closed.count(), 1);
    }

    void screenshot()
    {
        const QString folder = qEnvironmentVariable("VELLUMI_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set VELLUMI_SCREENSHOT_DIR to write the documentation screenshot");
        TVL_Main_Form form(&FDataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(200);
        QCOMPARE(form.size(), QSize(931, 604));
        QVERIFY(form.grab().save(folder + "/screenshot-first-start.png"));
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
