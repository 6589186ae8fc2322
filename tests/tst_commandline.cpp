#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

// The program itself, started as a user starts it, with no display at all:
// what it prints, on which stream, and the status it exits with.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersAndExitStatuses_data();
    void answersAndExitStatuses();
    void scheduleFromStandardInput();
    void scheduleAsJson();
    void frenchTextFollowsTheDesktop();
    void windowWithoutDisplaySaysSoAndFails();

private:
    struct Result
    {
        int status = -1;
        QString out;
        QString err;
    };
    static Result runProgram(const QStringList &arguments, const QByteArray &input = {},
                             const QStringList &environment = {});
};

TestCommandLine::Result TestCommandLine::runProgram(const QStringList &arguments,
                                                    const QByteArray &input,
                                                    const QStringList &environment)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display of any kind: the command line must not need one.
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const QString &setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TORVANE_PROGRAM), arguments);
    if (!program.waitForStarted())
        return {};
    program.write(input);
    program.closeWriteChannel();
    program.waitForFinished(20000);
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

void TestCommandLine::answersAndExitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // the whole of standard output, or its first line for a table
    QTest::addColumn<QString>("err");

    QTest::newRow("a load") << QStringList{"size", "150", "--ambient", "40"} << 0
                            << "4/0 AWG, 195 A from Table 2, =159.9 A  (I \u00D7 0.82 \u00D7 1), "
                               "Table 5A applied\n"
                            << "";
    QTest::newRow("no correction")
        << QStringList{"size", "20", "--material", "al", "--installation", "free-air"} << 0
        << "12 AWG, 25 A from Table 3, =25 A  (I \u00D7 1 \u00D7 1), no correction applied\n"
        << "";
    QTest::newRow("as CSV")
        << QStringList{"size", "30", "--conductors=5", "--format", "csv"} << 0
        << "load,material,installation,insulation,ambient,conductors,breaker,length,voltage,system,"
           "power_factor,max_drop,size,table,table_ampacity,corrected_ampacity,ambient_factor,"
           "count_factor,tables,terminations,usable_ampacity,drop_volts,drop_percent,governed_by,"
           "size_for_ampacity,problem\n"
           "30,cu,raceway,60,30,5,,,,1ph,1,3,8 AWG,2,40,32,1,0.8,5C,60,32,,,ampacity,,\n"
        << "";
    // Rule 4-006 and Rule 8-102 in the text line: what limited the conductor,
    // its drop, and what governed.
    QTest::newRow("terminations and drop")
        << QStringList{"size",           "100", "--insulation", "90",  "--terminations", "75",
                       "--length",       "120", "--voltage",    "600", "--system",       "3ph",
                       "--power-factor", "0.8"}
        << 0
        << "3 AWG, 115 A from Table 2, =115 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "limited to 100 A by 75 °C terminations; voltage drop 2.74 % (16.46 V) over 120 m at "
           "600 V three-phase; governed by ampacity\n"
        << "";
    QTest::newRow("drop governs")
        << QStringList{"size", "30", "--length", "60", "--voltage", "240", "--max-drop", "2"} << 0
        << "4 AWG, 70 A from Table 2, =70 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "voltage drop 1.52 % (3.64 V) over 60 m at 240 V single-phase; governed by voltage "
           "drop (ampacity alone: 10 AWG)\n"
        << "";
    QTest::newRow("run in feet")
        << QStringList{"size", "30", "--length", "196.85 ft", "--voltage", "240", "--max-drop", "2"}
        << 0
        << "4 AWG, 70 A from Table 2, =70 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "voltage drop 1.51 % (3.64 V) over 196.85 ft (60 m) at 240 V single-phase; governed "
           "by voltage drop (ampacity alone: 10 AWG)\n"
        << "";
    // The window shows 252.2 A for 1750 MCM, but it carries 252.15 A.
    QTest::newRow("tie on the safe side")
        << QStringList{"size", "252.2", "--material", "al", "--insulation", "90", "--ambient", "80"}
        << 0
        << "2000 MCM, 630 A from Table 4, =258.3 A  (I \u00D7 0.41 \u00D7 1), Table 5A applied\n"
        << "";
    QTest::newRow("terminations govern")
        << QStringList{"size", "25", "--insulation", "90", "--terminations", "75"} << 0
        << "12 AWG, 30 A from Table 2, =30 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "limited to 25 A by 75 °C terminations; governed by the terminations\n"
        << "";
    QTest::newRow("no conductor within the drop")
        << QStringList{"size", "100", "--length", "2000", "--voltage", "120"} << 1 << ""
        << "torvane: no conductor of Table D3 keeps the voltage drop within 3 %: the least is "
           "18.6 % with 1000 MCM; consider conductors in parallel\n";
    QTest::newRow("length without voltage")
        << QStringList{"size", "10", "--length", "30"} << 2 << ""
        << "torvane: the length \"30\" needs a voltage to work out the voltage drop from\n";
    QTest::newRow("bad terminations")
        << QStringList{"size", "10", "--terminations", "85"} << 2 << ""
        << "torvane: the terminations \"85\" are not auto, 60, 75, 90 or none (°C)\n";
    QTest::newRow("bad power factor")
        << QStringList{"size", "10", "--power-factor", "0.85"} << 2 << ""
        << "torvane: the power factor \"0.85\" is not 1, 0.9 or 0.8, the columns of Table D3\n";
    QTest::newRow("bad breaker") << QStringList{"size", "10", "--breaker", "-20"} << 2 << ""
                                 << "torvane: the breaker \"-20\" is not a positive number of "
                                    "amperes\n";
    QTest::newRow("current is for drop") << QStringList{"size", "10", "--current", "5"} << 2 << ""
                                         << "torvane: --current is not an option of size\n";
    QTest::newRow("longest run")
        << QStringList{"drop", "3", "--current", "50", "--voltage", "480"} << 0
        << "3 AWG: longest run 181.8 m (596.5 ft) for a voltage drop of at most 3 % at 480 V "
           "single-phase, 50 A\n"
        << "";
    QTest::newRow("drop within")
        << QStringList{"drop",           "250 kcmil", "--current", "200", "--voltage",      "600",
                       "--length",       "100",       "--system",  "3ph", "--installation", "cable",
                       "--power-factor", "0.9"}
        << 0
        << "250 MCM: voltage drop 1.09 % (6.51 V) over 100 m at 600 V three-phase, 200 A; within "
           "the 3 % allowed\n"
        << "";
    QTest::newRow("drop above")
        << QStringList{"drop", "#12", "--current", "16", "--voltage", "120", "--length", "100ft"}
        << 1
        << "12 AWG: voltage drop 5.19 % (6.22 V) over 100 ft (30.48 m) at 120 V single-phase, "
           "16 A; above the 3 % allowed\n"
        << "";
    QTest::newRow("drop as CSV")
        << QStringList{"drop",     "1/0", "--material", "al", "--current", "100", "--voltage", "48",
                       "--system", "dc",  "--length",   "10", "--format",  "csv"}
        << 0
        << "size,material,current,voltage,system,power_factor,k,length,max_drop,drop_volts,"
           "drop_percent,within_limit,max_length\n"
           "1/0 AWG,al,100,48,dc,,0.651,10,3,1.3,2.71,true,\n"
        << "";
    QTest::newRow("size not in the list")
        << QStringList{"drop", "700", "--current", "50", "--voltage", "480"} << 2 << ""
        << "torvane: the size \"700\" is not in the list of "
           "this material's conductors\n";
    QTest::newRow("size beyond Table D3")
        << QStringList{"drop", "1250", "--current", "50", "--voltage", "480"} << 2 << ""
        << "torvane: Table D3 gives no K for 1250 MCM: its voltage drop cannot be worked out\n";
    QTest::newRow("drop without current") << QStringList{"drop", "3", "--voltage", "480"} << 2 << ""
                                          << "torvane: drop needs --current and --voltage\n";
    QTest::newRow("drop with a sizing option")
        << QStringList{"drop", "3", "--current", "5", "--voltage", "480", "--ambient", "40"} << 2
        << ""
        << "torvane: --ambient is not an option of drop\n";
    QTest::newRow("drop with a bad current")
        << QStringList{"drop", "3", "--current", "0", "--voltage", "480"} << 2 << ""
        << "torvane: the current \"0\" is not a positive number of amperes\n";
    QTest::newRow("too large a load") << QStringList{"size", "5000"} << 1 << ""
                                      << "torvane: no conductor carries \"5000\" A under these "
                                         "conditions: 2000 MCM carries 555 A\n";
    QTest::newRow("not a load")
        << QStringList{"size", "abc"} << 2 << ""
        << "torvane: the load \"abc\" is not a positive number of amperes\n";
    QTest::newRow("no load") << QStringList{"size"} << 2 << ""
                             << "torvane: size needs a load in amperes, or --schedule FILE\n";
    QTest::newRow("ambient above the column")
        << QStringList{"size", "10", "--insulation", "75", "--ambient", "71"} << 2 << ""
        << "torvane: the ambient \"71\" °C is above 70 °C, the highest Table 5A allows for 75 °C "
           "insulation\n";
    QTest::newRow("five in free air")
        << QStringList{"size", "10", "--installation", "free-air", "--conductors", "5"} << 2 << ""
        << "torvane: the conductors \"5\" is more than free air allows: Table 5B stops at 4\n";
    QTest::newRow("unknown material") << QStringList{"size", "10", "--material", "fe"} << 2 << ""
                                      << "torvane: the material \"fe\" is not cu or al\n";
    QTest::newRow("unknown format") << QStringList{"size", "10", "--format", "xml"} << 2 << ""
                                    << "torvane: the format \"xml\" is not text, csv or json\n";
    QTest::newRow("unknown option") << QStringList{"size", "10", "--colour", "red"} << 2 << ""
                                    << "torvane: Unknown option 'colour'.\n";
    QTest::newRow("unknown command") << QStringList{"sise", "10"} << 2 << ""
                                     << "torvane: unknown command \"sise\": try size, drop, table "
                                        "or --help\n";
    // The reason after the name is the system's own.
    QTest::newRow("missing schedule")
        << QStringList{"size", "--schedule", "/nonexistent/schedule.csv"} << 2 << ""
        << "torvane: /nonexistent/schedule.csv: ";
    QTest::newRow("table 2") << QStringList{"table", "2"} << 0
                             << "2024 CEC Ampacity Table 2\n"
                                "Wire size    60\u00A0°C    75\u00A0°C    90\u00A0°C\n"
                                "   14 AWG     15 A     20 A     25 A\n"
                             << "";
    QTest::newRow("table 5") << QStringList{"table", "5"} << 2 << ""
                             << "torvane: the table \"5\" is not 1, 2, 3 or 4\n";
    QTest::newRow("table with a size option")
        << QStringList{"table", "1", "--ambient", "40"} << 2 << ""
        << "torvane: --ambient is for size, not for table\n";
}

void TestCommandLine::answersAndExitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Result result = runProgram(arguments);
    if (err.endsWith(QLatin1String(": ")))
        QVERIFY2(result.err.startsWith(err) && result.err.count(QLatin1Char('\n')) == 1,
                 qPrintable(result.err));
    else
        QCOMPARE(result.err, err);
    if (arguments.first() == QLatin1String("table") && status == 0)
        QVERIFY2(result.out.startsWith(out), qPrintable(result.out));
    else
        QCOMPARE(result.out, out);
    QCOMPARE(result.status, status);
}

// A schedule piped in: every row answered in order, a line on standard error
// for each row with a problem, and status 1 for them.
void TestCommandLine::scheduleFromStandardInput()
{
    const QByteArray schedule = "circuit,load,insulation\n"
                                "P-1,150,\n"
                                "P-2,\"1,5\",75\n"
                                "P-3,150,75\n";
    const Result result = runProgram({"size", "--schedule", "-", "--ambient", "40"}, schedule);
    QCOMPARE(result.out,
             QStringLiteral("circuit,load,insulation,size,table,table_ampacity,corrected_ampacity,"
                            "ambient_factor,count_factor,tables,terminations,usable_ampacity,"
                            "drop_volts,drop_percent,governed_by,size_for_ampacity,problem\n"
                            "P-1,150,,4/0 AWG,2,195,159.9,0.82,1,5A,75,159.9,,,ampacity,,\n"
                            "P-2,\"1,5\",75,,,,,,,,,,,,,,\"the load \"\"1,5\"\" is not a "
                            "positive number of amperes (write decimals after a point)\"\n"
                            "P-3,150,75,2/0 AWG,2,175,154,0.88,1,5A,75,154,,,ampacity,,\n"));
    QCOMPARE(result.err, QStringLiteral("torvane: line 3: the load \"1,5\" is not a positive "
                                        "number of amperes (write decimals after a point)\n"));
    QCOMPARE(result.status, 1);

    const Result headerless = runProgram({"size", "--schedule", "-"}, "circuit,amps\nP-1,20\n");
    QCOMPARE(headerless.err, QStringLiteral("torvane: -: the header row names no load column\n"));
    QCOMPARE(headerless.status, 2);
}

void TestCommandLine::scheduleAsJson()
{
    const Result result = runProgram({"size", "--schedule", "-", "--format", "json"},
                                     "load,note\n100,\"a \"\"quoted\"\" note\"\n");
    QCOMPARE(result.status, 0);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject row = json.array().at(0).toObject();
    QCOMPARE(row.value("note").toString(), QStringLiteral("a \"quoted\" note"));
    QCOMPARE(row.value("size").toString(), QStringLiteral("1 AWG"));
    QCOMPARE(row.value("corrected_ampacity").toDouble(), 110.0);
    QVERIFY(row.value("problem").isNull());
}

// The text form speaks the user's language, with the decimal comma and
// kcmil; the schedule's CSV keeps a point and English.
void TestCommandLine::frenchTextFollowsTheDesktop()
{
    if (QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("A Windows program speaks Windows' language, not the environment's");
    const QStringList french = {"LANGUAGE=fr", "LC_ALL=fr_CA.UTF-8"};
    const Result text = runProgram({"size", "300", "--ambient", "40"}, {}, french);
    QCOMPARE(text.out, QStringLiteral("750 kcmil, 400 A selon le tableau 2, =328 A  "
                                      "(I \u00D7 0,82 \u00D7 1), Tableau 5A appliqué\n"));
    const Result hot = runProgram({"size", "10", "--ambient", "56"}, {}, french);
    QCOMPARE(hot.err, QStringLiteral("torvane: la température ambiante de 56\u00A0°C dépasse "
                                     "55\u00A0°C, le maximum du tableau 5A pour un isolant de "
                                     "60\u00A0°C\n"));
    const Result csv =
        runProgram({"size", "300", "--ambient", "40", "--format", "csv"}, {}, french);
    QVERIFY2(csv.out.endsWith(QStringLiteral(",750 MCM,2,400,328,0.82,1,5A,75,328,,,ampacity,,\n")),
             qPrintable(csv.out));
    // The designer's line, in French: the limit, the drop and what governed.
    const Result design = runProgram({"size", "30", "--insulation", "90", "--terminations", "75",
                                      "--length", "60", "--voltage", "240", "--max-drop", "2"},
                                     {}, french);
    QCOMPARE(design.out,
             QStringLiteral("4 AWG, 95 A selon le tableau 2, =95 A  (I \u00D7 1 \u00D7 1), "
                            "aucune correction appliquée\u00A0; limité à 85 A par des bornes de "
                            "75\u00A0°C\u00A0; chute de tension de 1,52\u00A0% (3,64\u00A0V) "
                            "sur 60\u00A0m à 240\u00A0V en monophasé\u00A0; déterminé par la "
                            "chute de tension (le courant admissible seul donne 10 AWG)\n"));
    QCOMPARE(design.status, 0);
    const Result longest = runProgram(
        {"drop", "250", "--current", "200", "--voltage", "600", "--system", "3ph"}, {}, french);
    QCOMPARE(
        longest.out,
        QStringLiteral("250 kcmil\u00A0: longueur maximale de 303,8\u00A0m (996,9\u00A0pi) pour "
                       "une chute de tension d'au plus 3\u00A0% à 600\u00A0V en triphasé, "
                       "200\u00A0A\n"));
    const Result tooFar =
        runProgram({"size", "100", "--length", "2000", "--voltage", "120"}, {}, french);
    QCOMPARE(tooFar.err,
             QStringLiteral("torvane: aucun conducteur du tableau D3 ne garde la chute de tension "
                            "sous 3\u00A0%\u00A0: la plus faible est de 18,6\u00A0% avec "
                            "1000 kcmil\u00A0; envisagez des conducteurs en parallèle\n"));
    QCOMPARE(tooFar.status, 1);
    const Result bad = runProgram({"size", "10", "--system", "biphasé"}, {}, french);
    QCOMPARE(bad.err, QStringLiteral("torvane: le système «\u00A0biphasé\u00A0» n'est ni 1ph, "
                                     "ni 3ph, ni dc\n"));
    QCOMPARE(bad.status, 2);
}

// Started for its window where there is no display, the program says so in
// one line and ends with status 1 rather than letting Qt abort.
void TestCommandLine::windowWithoutDisplaySaysSoAndFails()
{
    if (QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("Windows always has its desktop");
    const Result result = runProgram({});
    QCOMPARE(result.err,
             QStringLiteral("torvane: no display to open the window on (DISPLAY is not set)\n"));
    QCOMPARE(result.out, QString());
    QCOMPARE(result.status, 1);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
