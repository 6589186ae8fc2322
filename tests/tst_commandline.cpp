#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

// The program itself, started as a user starts it, with no display at all:
// what it prints, on which stream, and the status it exits with.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersAndExitStatuses_data();
    void answersAndExitStatuses();
    void scheduleFromStandardInput();
    void workbooksAreSchedules();
    void scheduleAsJson();
    void frenchTextFollowsTheDesktop();
    void windowWithoutDisplaySaysSoAndFails();
    void reportWithoutDisplay();
    void frenchExcelScheduleGoesBackAsItCame();
    void unicodeTextScheduleFromExcel();
    void outputFileIsWholeOrNotAtAll();
    void failedWritesExitTwo();
    void outputOntoDevicesAndPipes();
    void optionsBeforeTheCommand();
    void standardErrorNamesTwentyProblemRows();
    void everyTableInBothLanguages_data();
    void everyTableInBothLanguages();

private:
    struct Result
    {
        int status = -1;
        QString out;
        QString err;
        QByteArray bytes; // standard output as it came
    };
    static Result runProgram(const QStringList &arguments, const QByteArray &input = {},
                             const QStringList &environment = {});
    // A file of the test's, written whole.
    static bool writeFile(const QString &path, const QByteArray &bytes);
};

bool TestCommandLine::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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
    const QByteArray out = program.readAllStandardOutput();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(out), QString::fromUtf8(program.readAllStandardError()), out};
}

void TestCommandLine::answersAndExitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // the whole of standard output, or its first line for a table
    QTest::addColumn<QString>("err");

    // A circuit designed whole: a continuous load at 80 % (Rule 8-104), the
    // breaker chosen for it and the largest Table 13 allows on the
    // conductor, the bonding conductor (Table 16), and what governed.
    QTest::newRow("a load")
        << QStringList{"size", "150", "--ambient", "40"} << 0
        << "300 MCM, 240 A from Table 2, =196.8 A  (I \u00D7 0.82 \u00D7 1), Table 5A applied; "
           "continuous load 150 A needs 187.5 A (Rule 8-104, 80 %); 200 A breaker (chosen; at "
           "most 200 A on this conductor); bonding 6 AWG copper; governed by the continuous load\n"
        << "";
    // 12 AWG may have 20 A (Rule 14-104(2)), 10 AWG 30 A: a 40 A breaker needs 8 AWG.
    QTest::newRow("breaker given")
        << QStringList{"size", "20", "--breaker", "40"} << 0
        << "8 AWG, 40 A from Table 2, =40 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "continuous load 20 A needs 25 A (Rule 8-104, 80 %); 40 A breaker (at most 40 A on "
           "this conductor); bonding 10 AWG copper; governed by the breaker's protection "
           "(Rule 14-104)\n"
        << "";
    QTest::newRow("parallel sets")
        << QStringList{"size", "800", "--sets", "auto"} << 0
        << "4 \u00D7 350 MCM, 260 A from Table 2, =260 A  (I \u00D7 1 \u00D7 1), no correction "
           "applied; 200 A in each of 4 parallel sets; continuous load 800 A needs 1000 A (Rule "
           "8-104, 80 %); 1000 A breaker (chosen; at most 1040 A on this conductor); bonding "
           "4 AWG copper; governed by the continuous load\n"
        << "";
    QTest::newRow("as CSV")
        << QStringList{"size", "30", "--conductors=5", "--format", "csv"} << 0
        << "load,material,installation,insulation,ambient,conductors,breaker,length,voltage,system,"
           "power_factor,max_drop,continuous,device_rating,sets,largest,bond_material,motor,fla,"
           "protection,starting,motor_type,service_factor,raceway,wire,wire_voltage,jacketed,solid,"
           "neutral,bond_in_raceway,size,table,"
           "table_ampacity,corrected_ampacity,ambient_factor,count_factor,tables,terminations,"
           "usable_ampacity,drop_volts,drop_percent,governed_by,size_for_ampacity,breaker_rating,"
           "breaker_chosen,max_breaker,parallel_sets,bonding,bonding_material,motor_current,motor_"
           "current_from,overload_max,raceway_size,raceway_fill,raceway_wire,problem\n"
           "30,cu,raceway,60,30,5,,,,1ph,1,3,yes,80,1,500,cu,no,,breaker,full-voltage,induction,1,,"
           ",,"
           "no,no,no,yes,"
           "6 AWG,2,55,44,1,0.8,5C,60,44,,,"
           "continuous load,,40,yes,45,1,10 AWG,cu,,,,,,,\n"
        << "";
    // Rule 4-006 and Rule 8-102 in the text line: what limited the conductor,
    // its drop, and what governed.
    QTest::newRow("terminations and drop")
        << QStringList{"size",           "100", "--insulation", "90",  "--terminations", "75",
                       "--length",       "120", "--voltage",    "600", "--system",       "3ph",
                       "--power-factor", "0.8", "--continuous", "no"}
        << 0
        << "3 AWG, 115 A from Table 2, =115 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "limited to 100 A by 75 °C terminations; voltage drop 2.74 % (16.46 V) over 120 m at "
           "600 V three-phase; 100 A breaker (chosen; at most 100 A on this conductor); bonding "
           "8 AWG copper; governed by ampacity\n"
        << "";
    // The drop moved the conductor up: bonded by its ampacity (70 A), not by the breaker.
    QTest::newRow("run in feet")
        << QStringList{"size", "30", "--length", "196.85 ft", "--voltage", "240", "--max-drop", "2"}
        << 0
        << "4 AWG, 70 A from Table 2, =70 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "continuous load 30 A needs 37.5 A (Rule 8-104, 80 %); voltage drop 1.51 % (3.64 V) "
           "over 196.85 ft (60 m) at 240 V single-phase; 40 A breaker (chosen; at most 70 A on "
           "this conductor); bonding 8 AWG copper; governed by voltage drop (ampacity alone: "
           "8 AWG)\n"
        << "";
    QTest::newRow("terminations govern")
        << QStringList{"size", "25",        "--insulation", "90",           "--terminations",
                       "75",   "--breaker", "none",         "--continuous", "no"}
        << 0
        << "12 AWG, 30 A from Table 2, =30 A  (I \u00D7 1 \u00D7 1), no correction applied; "
           "limited to 25 A by 75 °C terminations; no breaker checked (at most 20 A on this "
           "conductor); bonding 12 AWG copper; governed by the terminations\n"
        << "";
    QTest::newRow("no single conductor")
        << QStringList{"size", "800"} << 1 << ""
        << "torvane: no conductor carries \"800\" A under these conditions: 2000 MCM carries 555 "
           "A, "
           "a continuous load of 444 A (Rule 8-104); 4 parallel sets of 350 MCM would (Rule "
           "12-108)\n";
    QTest::newRow("breaker too small")
        << QStringList{"size", "60", "--breaker", "50", "--continuous", "no"} << 1 << ""
        << "torvane: a 50 A breaker is too small for a load of \"60\" A\n";
    QTest::newRow("bad sets") << QStringList{"size", "10", "--sets", "12"} << 2 << ""
                              << "torvane: the sets \"12\" is not a whole number from 1 to 10, or "
                                 "auto\n";
    QTest::newRow("a word after the load")
        << QStringList{"size", "150", "A"} << 2 << ""
        << "torvane: size takes one load, or --schedule FILE: \"A\" is one too many\n";
    QTest::newRow("an empty breaker") << QStringList{"size", "10", "--breaker="} << 2 << ""
                                      << "torvane: --breaker needs a value\n";
    QTest::newRow("an empty option") << QStringList{"size", "10", "--sets="} << 2 << ""
                                     << "torvane: --sets needs a value\n";
    QTest::newRow("drop in parallel")
        << QStringList{"drop", "1/0", "--current", "300", "--voltage", "480", "--sets", "2"} << 0
        << "1/0 AWG: longest run 121.2 m (397.6 ft) for a voltage drop of at most 3 % at 480 V "
           "single-phase, 300 A in 2 parallel sets\n"
        << "";
    QTest::newRow("drop of 3 AWG in parallel")
        << QStringList{"drop", "3", "--current", "100", "--voltage", "480", "--sets", "2"} << 2
        << ""
        << "torvane: 3 AWG is not run in parallel: Rule 12-108 allows 1/0 AWG and larger\n";
    QTest::newRow("drop with a sizing option of circuits")
        << QStringList{"drop", "3", "--current", "5", "--voltage", "480", "--continuous", "no"} << 2
        << ""
        << "torvane: --continuous is not an option of drop\n";
    QTest::newRow("no conductor within the drop")
        << QStringList{"size", "100", "--length", "2000", "--voltage", "120"} << 1 << ""
        << "torvane: no conductor of Table D3 keeps the voltage drop within 3 %: the least is "
           "18.6 % with 1000 MCM; consider conductors in parallel\n";
    QTest::newRow("length without voltage")
        << QStringList{"size", "10", "--length", "30"} << 2 << ""
        << "torvane: the length \"30\" needs a voltage to work out the voltage drop from\n";
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
        << "size,material,current,sets,voltage,system,power_factor,k,length,max_drop,drop_volts,"
           "drop_percent,within_limit,max_length\n"
           "1/0 AWG,al,100,1,48,dc,,0.651,10,3,1.3,2.71,true,\n"
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
                                      << "torvane: no breaker rating up to 6000 A carries \"5000\" "
                                         "A\n";
    QTest::newRow("not a load")
        << QStringList{"size", "abc"} << 2 << ""
        << "torvane: the load \"abc\" is not a positive number of amperes\n";
    QTest::newRow("no load") << QStringList{"size"} << 2 << ""
                             << "torvane: size needs a load in amperes, or --schedule FILE\n";
    QTest::newRow("unknown format") << QStringList{"size", "10", "--format", "xml"} << 2 << ""
                                    << "torvane: the format \"xml\" is not text, csv or json\n";
    QTest::newRow("unknown option") << QStringList{"size", "10", "--colour", "red"} << 2 << ""
                                    << "torvane: Unknown option 'colour'.\n";
    QTest::newRow("unknown command")
        << QStringList{"sise", "10"} << 2 << ""
        << "torvane: unknown command \"sise\": try size, drop, fill, table, "
           "report or --help\n";
    // The reason after the name is the system's own.
    QTest::newRow("missing schedule")
        << QStringList{"size", "--schedule", "/nonexistent/schedule.csv"} << 2 << ""
        << "torvane: /nonexistent/schedule.csv: ";
    QTest::newRow("table 2") << QStringList{"table", "2"} << 0
                             << "2024 CEC Ampacity Table 2\n"
                                "Wire size    60\u00A0°C    75\u00A0°C    90\u00A0°C\n"
                                "   14 AWG     15 A     20 A     25 A\n"
                             << "";
    QTest::newRow("thousands space")
        << QStringList{"size", "1 500"} << 2 << ""
        << "torvane: the load \"1 500\" is not a positive number of amperes (write it without the "
           "thousands space)\n";
    QTest::newRow("table 5") << QStringList{"table", "5"} << 2 << ""
                             << "torvane: the table \"5\" is not 1, 2, 3 or 4\n";
    // Motors (Section 28): sized by their full-load current, the device by
    // Table 29; what the tables cannot answer is bad input, a device above
    // Table 29's largest a problem with the conductor still named.
    QTest::newRow("a motor in horsepower")
        << QStringList{"size", "10hp", "--voltage", "600", "--system", "3ph"} << 0
        << "14 AWG, 15 A from Table 2, =15 A  (I \u00D7 1 \u00D7 1), no correction applied; motor "
           "full-load current 11 A (Table 44) needs 13.75 A (Rule 28-106, 125 %); 25 A breaker "
           "(chosen; at most 25 A, Table 29); overload at most 12.65 A (Rule 28-306); bonding "
           "14 AWG copper; governed by ampacity\n"
        << "";
    QTest::newRow("a motor's fuse above Table 29")
        << QStringList{"size",     "11",  "--motor",   "yes", "--voltage",    "600",
                       "--system", "3ph", "--breaker", "35",  "--protection", "fuse"}
        << 1
        << "14 AWG, 15 A from Table 2, =15 A  (I \u00D7 1 \u00D7 1), no correction applied; motor "
           "full-load current 11 A (nameplate) needs 13.75 A (Rule 28-106, 125 %); 35 A fuse (at "
           "most 30 A, Table 29); overload at most 12.65 A (Rule 28-306); bonding 14 AWG copper; "
           "governed by ampacity\n"
        << "torvane: a 35 A fuse is above the 30 A that Table 29 permits for a motor of 11 A "
           "(Rule 28-200)\n";
    QTest::newRow("a horsepower not in Table 44")
        << QStringList{"size", "12hp", "--voltage", "600", "--system", "3ph"} << 2 << ""
        << "torvane: Table 44 has no row for the motor \"12hp\": give its nameplate current "
           "(fla)\n";
    QTest::newRow("a motor at 347 V")
        << QStringList{"size", "10hp", "--voltage", "347", "--system", "3ph"} << 2 << ""
        << "torvane: Table 44 has no column for the motor \"10hp\" at 347 V: give its nameplate "
           "current (fla)\n";
    QTest::newRow("the current twice")
        << QStringList{"size", "11", "--motor", "yes", "--fla", "11"} << 2 << ""
        << "torvane: the load \"11\" is the motor's current in amperes and a nameplate current "
           "is given too: give it once\n";
    QTest::newRow("horsepower that does not read")
        << QStringList{"size", "x/4hp", "--voltage", "120"} << 2 << ""
        << "torvane: the motor \"x/4hp\" is not a number of horsepower, as in 10hp, 7.5hp, 3/4hp "
           "or 1-1/2hp\n";
    QTest::newRow("an unknown starting")
        << QStringList{"size", "10hp", "--voltage", "600", "--starting", "soft"} << 2 << ""
        << "torvane: the starting \"soft\" is not full-voltage, resistor, reactor, "
           "autotransformer or star-delta\n";
    QTest::newRow("a service factor below 1")
        << QStringList{"size", "10hp", "--voltage", "600", "--service-factor", "0.9"} << 2 << ""
        << "torvane: the service factor \"0.9\" is not a number of 1 or more\n";
    QTest::newRow("drop refuses a motor's option")
        << QStringList{"drop", "10", "--current", "20", "--voltage", "120", "--fla", "10"} << 2
        << ""
        << "torvane: --fla is not an option of drop\n";
    QTest::newRow("table with a size option")
        << QStringList{"table", "1", "--ambient", "40"} << 2 << ""
        << "torvane: --ambient is for size, not for table\n";

    // Raceway fill, Rule 12-910: the smallest trade size with the one below
    // it, one size checked, how many fit, each with the areas used.
    QTest::newRow("fill: the smallest trade size")
        << QStringList{"fill", "3x6", "--raceway", "rmc"} << 0
        << "3 × 6 AWG RW90 (Table 6A): 38 mm² each, 114 mm²\n"
           "21 (3/4 in) rigid metal conduit: 114 mm² of 353.99 mm², 32.2 % full; Table 8 "
           "allows 40 % for 3 conductors, 141.6 mm² (Rule 12-910)\n"
           "16 (1/2 in) would be 56.35 % full\n"
        << "";
    QTest::newRow("fill: groups of two wire types")
        << QStringList{"fill", "3x1/0", "1x6:TW", "--raceway", "emt", "--format", "csv"} << 0
        << "raceway,raceway_size,raceway_fill,smaller_size,smaller_fill,count,conductor_area,"
           "raceway_area,allowed_percent,allowed_area,fits\n"
           "emt,41,31.34,35,42.94,4,403.7,1288.25,40,515.3,true\n"
        << "";
    QTest::newRow("fill: one size, too full")
        << QStringList{"fill", "3x6", "--raceway", "rmc", "--size", "1/2", "--format", "json"} << 1
        << "{\"raceway\": \"rmc\", \"raceway_size\": 16, \"raceway_fill\": 56.35, "
           "\"smaller_size\": null, \"smaller_fill\": null, \"count\": 3, "
           "\"conductor_area\": 114, \"raceway_area\": 202.32, \"allowed_percent\": 40, "
           "\"allowed_area\": 80.93, \"fits\": false}\n"
        << "";
    QTest::newRow("fill: how many")
        << QStringList{"fill", "12:T90", "--raceway", "emt", "--size", "16"} << 0
        << "16 (1/2 in) electrical metallic tubing holds 8 × 12 AWG T90 (Table 6K, 8.45 mm² "
           "each): 67.6 mm² of 186.27 mm², 36.29 % full; Table 8 allows 40 % for 8 "
           "conductors, 74.51 mm² (Rule 12-910)\n"
        << "";
    QTest::newRow("fill: none holds them")
        << QStringList{"fill", "5x2000", "--raceway", "emt"} << 1
        << "5 × 2000 kcmil RW90 (Table 6A): 1682 mm² each, 8410 mm²\n"
           "No trade size of electrical metallic tubing holds 8410 mm²: 155 (6 in) would be "
           "44.69 % full; Table 8 allows 40 % for 5 conductors (Rule 12-910)\n"
        << "";
    // Table 6B's 8 AWG is counted as printed, and the user told.
    QTest::newRow("fill: a cell the book may have misprinted")
        << QStringList{"fill",           "3x8",  "--raceway", "emt",
                       "--wire-voltage", "1000", "--format",  "csv"}
        << 0
        << "raceway,raceway_size,raceway_fill,smaller_size,smaller_fill,count,conductor_area,"
           "raceway_area,allowed_percent,allowed_area,fits\n"
           "emt,21,25.63,16,45.42,3,84.6,330.06,40,132.03,true\n"
        << "torvane: note: Table 6B prints 8 AWG at 28.2 mm², counted as printed; with the "
           "diameter its other sizes have it would be 35.8 mm²\n";
    const auto fillRefuses = [](const char *name, const QStringList &arguments, const char *err) {
        QTest::newRow(name) << arguments << 2 << "" << QString::fromUtf8(err);
    };
    fillRefuses("fill: no raceway", {"fill", "3x6"},
                "torvane: fill needs --raceway TYPE: rmc, fmc, rigid-pvc, rigid-pvc-eb1-db2-es2, "
                "lfmc, lfnc, emt, ent, rtrc-ips, rtrc-id, hdpe-sch40, hdpe-sch80, hdpe-dr9, "
                "hdpe-dr11, hdpe-dr13.5, hdpe-dr15.5\n");
    fillRefuses("fill: an unknown raceway", {"fill", "3x6", "--raceway", "pipe"},
                "torvane: the raceway \"pipe\" is not one of rmc, fmc, rigid-pvc, "
                "rigid-pvc-eb1-db2-es2, lfmc, lfnc, emt, ent, rtrc-ips, rtrc-id, hdpe-sch40, "
                "hdpe-sch80, hdpe-dr9, hdpe-dr11, hdpe-dr13.5, hdpe-dr15.5\n");
    fillRefuses("fill: an unknown wire type", {"fill", "3x6", "--raceway", "emt", "--wire", "THHN"},
                "torvane: the wire type \"THHN\" is not one of R90, RW75, RW90, RPV90, TWU, "
                "TWU75, RWU90, RPVU90, TW, TW75, TWN75, T90\n");
    fillRefuses("fill: a trade size not made", {"fill", "3x6", "--raceway", "ent", "--size", "63"},
                "torvane: ent does not come in trade size \"63\": its sizes are 16, 21, 27, 35, "
                "41, 53\n");
    fillRefuses("fill: a size the type's table stops short of",
                {"fill", "3x600:TWN75", "--raceway", "emt"},
                "torvane: Table 6K lists TWN75 up to 500 kcmil\n");
    fillRefuses("fill: a count out of range", {"fill", "201x12", "--raceway", "emt"},
                "torvane: the count \"201\" is not a whole number of conductors from 1 to 200\n");
    fillRefuses("fill: solid above 10 AWG", {"fill", "3x8", "--solid", "--raceway", "emt"},
                "torvane: Table 6 lists solid conductors from 14 to 10 AWG: 8 AWG is not one\n");
    fillRefuses("fill: a group that does not read", {"fill", "3x", "--raceway", "emt"},
                "torvane: the conductors \"3x\" are not written COUNTxSIZE or COUNTxSIZE:WIRE, "
                "as in 3x6, 4x1/0 or 1x10:TWN75\n");
    fillRefuses("fill: a class the type does not come in",
                {"fill", "3x6", "--raceway", "emt", "--wire", "RWU90", "--jacketed", "yes"},
                "torvane: Table 6 does not list RWU90 in the class asked for: it lists it in "
                "Table 6D (1000 V, --jacketed no)\n");
    fillRefuses("fill: how many without a size", {"fill", "12", "--raceway", "emt"},
                "torvane: a conductor without a count asks how many fit: give it alone, with "
                "--size, as in fill 12 --raceway emt --size 16\n");
    fillRefuses("fill: a sizing option", {"fill", "3x6", "--raceway", "emt", "--ambient", "40"},
                "torvane: --ambient is not an option of fill\n");
    // In size: the raceway's columns, and a type's rating above --insulation.
    QTest::newRow("size in a raceway")
        << QStringList{"size", "40", "--raceway", "emt", "--wire", "RW90"} << 0
        << "6 AWG, 75 A from Table 2, =75 A  (I × 1 × 1), no correction applied; limited to "
           "55 A by 60 °C terminations; continuous load 40 A needs 50 A (Rule 8-104, 80 %); "
           "50 A breaker (chosen; at most 60 A on this conductor); bonding 10 AWG copper; in "
           "21 (3/4 in) electrical metallic tubing, 27.78 % full with 3 RW90 conductors "
           "(Rule 12-910); governed by the continuous load\n"
        << "";
    fillRefuses("size: insulation above the wire's",
                {"size", "40", "--wire", "RW75", "--insulation", "90"},
                "torvane: the insulation 90 °C is above the rating of RW75 wire, 75 °C "
                "(Table 19)\n");
    fillRefuses("drop: a raceway option",
                {"drop", "6", "--current", "20", "--voltage", "120", "--raceway", "emt"},
                "torvane: --raceway is not an option of drop\n");
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

// A workbook given for a schedule: its sheet sized and written as CSV, the
// sheet chosen by name or number, a formula without its value the row's
// problem; a bad workbook refused with nothing on standard output; the
// answer written back into a workbook of the same format.
void TestCommandLine::workbooksAreSchedules()
{
    const QString folder = QStringLiteral(TORVANE_WORKBOOKS "/");
    const Result panel = runProgram({"size", "--schedule", folder + "panel.xlsx"});
    QCOMPARE(panel.status, 0);
    QVERIFY2(panel.bytes.startsWith("\xEF\xBB\xBF\"Panel A"), panel.bytes.constData());
    QVERIFY2(panel.out.contains(QLatin1String("\nP-3,31,45.5,240,no,#N/A,8 AWG,")),
             qPrintable(panel.out));
    QCOMPARE(runProgram({"size", "--schedule", folder + "panel.ods"}).bytes, panel.bytes);

    const Result uncalculated =
        runProgram({"size", "--schedule", folder + "uncalculated.xlsx", "--format", "json"});
    QCOMPARE(uncalculated.status, 1);
    QCOMPARE(uncalculated.err, QStringLiteral("torvane: line 5: a formula in this row has no value "
                                              "saved with it: open the workbook in a spreadsheet "
                                              "and save it again\n"));
    const Result notes =
        runProgram({"size", "--schedule", folder + "uncalculated.xlsx", "--sheet", "Notes"});
    QCOMPARE(notes.status, 0);
    QVERIFY2(notes.out.contains(QLatin1String("\n20,10 AWG,")), qPrintable(notes.out));
    const Result noSheet =
        runProgram({"size", "--schedule", folder + "uncalculated.xlsx", "--sheet", "Panel B"});
    QCOMPARE(noSheet.status, 2);
    QVERIFY2(noSheet.err.endsWith(QLatin1String("no sheet is named so: its sheets are Schedule, "
                                                "Notes\n")),
             qPrintable(noSheet.err));
    QCOMPARE(noSheet.out, QString());

    const Result encrypted = runProgram({"size", "--schedule", folder + "encrypted.xlsx"});
    QCOMPARE(encrypted.status, 2);
    QCOMPARE(encrypted.out, QString());
    QVERIFY2(encrypted.err.endsWith(QLatin1String("save it without a password first\n")),
             qPrintable(encrypted.err));

    // Into a workbook of its own format: read again, the same rows and
    // answer; into the other format, or from a CSV file, refused.
    QTemporaryDir folderOut;
    const QString book = folderOut.filePath(QStringLiteral("answer.xlsx"));
    const Result asWorkbook =
        runProgram({"size", "--schedule", folder + "panel.xlsx", "--output", book});
    QCOMPARE(asWorkbook.status, 0);
    QCOMPARE(asWorkbook.out, QString());
    // The title row reaches across the answer's columns now.
    const QString again = runProgram({"size", "--schedule", book}).out;
    QCOMPARE(again.section(QLatin1Char('\n'), 1), panel.out.section(QLatin1Char('\n'), 1));
    const QString ods = folderOut.filePath(QStringLiteral("answer.ods"));
    const Result otherFormat =
        runProgram({"size", "--schedule", folder + "panel.xlsx", "--output", ods});
    QCOMPARE(otherFormat.status, 2);
    QCOMPARE(otherFormat.err,
             QStringLiteral("torvane: %1panel.xlsx is a .xlsx workbook: its answer is written into "
                            "a .xlsx workbook, or as CSV under a .csv name\n")
                 .arg(folder));
    const QString text = folderOut.filePath(QStringLiteral("panel.csv"));
    QVERIFY(writeFile(text, "Circuit,Load\nP-1,15\n"));
    const Result fromCsv = runProgram({"size", "--schedule", text, "--output", ods});
    QCOMPARE(fromCsv.status, 2);
    QVERIFY2(
        fromCsv.err.endsWith(QLatin1String("is not a workbook: the answer goes into a workbook "
                                           "only when the schedule is read from one; give a "
                                           ".csv name\n")),
        qPrintable(fromCsv.err));
    const Result legacy = runProgram(
        {"size", "--schedule", folder + "panel.xlsx", "--output", folderOut.filePath("old.xls")});
    QCOMPARE(legacy.status, 2);
    QVERIFY(!QFile::exists(ods) && !QFile::exists(folderOut.filePath("old.xls")));
    const QString csv = folderOut.filePath(QStringLiteral("answer.csv"));
    QCOMPARE(runProgram({"size", "--schedule", folder + "panel.ods", "--output", csv}).status, 0);
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), panel.bytes);
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
    QCOMPARE(
        result.out,
        QStringLiteral("circuit,load,insulation,size,table,table_ampacity,corrected_ampacity,"
                       "ambient_factor,count_factor,tables,terminations,usable_ampacity,"
                       "drop_volts,drop_percent,governed_by,size_for_ampacity,breaker_rating,"
                       "breaker_chosen,max_breaker,parallel_sets,bonding,bonding_material,"
                       "motor_current,motor_current_from,overload_max,raceway_size,raceway_fill,"
                       "raceway_wire,problem\n"
                       "P-1,150,,300 MCM,2,240,196.8,0.82,1,5A,75,196.8,,,continuous load,,"
                       "200,yes,200,1,6 AWG,cu,,,,,,,\n"
                       "P-2,\"1,5\",75,,,,,,,,,,,,,,,,,,,,,,,,,,\"the load \"\"1,5\"\" is not a "
                       "positive number of amperes (write decimals after a point)\"\n"
                       "P-3,150,75,4/0 AWG,2,230,202.4,0.88,1,5A,75,202.4,,,continuous load,,"
                       "200,yes,225,1,6 AWG,cu,,,,,,,\n"));
    QCOMPARE(result.err, QStringLiteral("torvane: line 3: the load \"1,5\" is not a positive "
                                        "number of amperes (write decimals after a point)\n"));
    QCOMPARE(result.status, 1);

    // A workbook is read as one, never as Windows-1252 text: a zip cut
    // short, or Excel 97-2003's compound document, is refused in one line.
    const std::pair<QByteArray, const char *> books[] = {
        {QByteArray("PK\x03\x04\x14\0\x06\0", 8), "this workbook is damaged or cut short"},
        {QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8),
         "this is an Excel 97-2003 workbook (.xls)"}};
    for (const auto &[workbook, words] : books) {
        const Result book = runProgram({"size", "--schedule", "-"}, workbook + "rest");
        QCOMPARE(book.status, 2);
        QVERIFY2(book.err.startsWith(QLatin1String("torvane: standard input: ") +
                                     QLatin1String(words)) &&
                     book.err.count(QLatin1Char('\n')) == 1,
                 qPrintable(book.err));
        QCOMPARE(book.out, QString());
    }

    const Result headerless = runProgram({"size", "--schedule", "-"}, "circuit,amps\nP-1,20\n");
    QCOMPARE(headerless.err,
             QStringLiteral("torvane: standard input: the header row names no load column\n"));
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
    QCOMPARE(row.value("size").toString(), QStringLiteral("1/0 AWG"));
    QCOMPARE(row.value("corrected_ampacity").toDouble(), 125.0);
    QCOMPARE(row.value("breaker_rating").toDouble(), 125.0);
    QCOMPARE(row.value("breaker_chosen").toString(), QStringLiteral("yes"));
    QCOMPARE(row.value("parallel_sets").toInt(), 1);
    QCOMPARE(row.value("bonding").toString(), QStringLiteral("6 AWG"));
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
    QCOMPARE(text.out, QStringLiteral(
                           "1250 kcmil, 495 A selon le tableau 2, =405,9 A  (I \u00D7 0,82 \u00D7 "
                           "1), Tableau 5A appliqué\u00A0; la charge continue de 300\u00A0A "
                           "demande 375\u00A0A (article 8-104, 80\u00A0%)\u00A0; disjoncteur de "
                           "400\u00A0A (choisi\u00A0; au plus 450\u00A0A sur ce conducteur)\u00A0; "
                           "continuité des masses 3 AWG en cuivre\u00A0; déterminé par la charge "
                           "continue\n"));
    QCOMPARE(text.status, 0);
    // The conduit question in French: the trade size in inches as "po".
    const Result fill = runProgram({"fill", "3x1/0", "--raceway", "rmc"}, {}, french);
    QCOMPARE(fill.out,
             QStringLiteral("3 × 1/0 AWG RW90 (tableau 6A)\u00A0: 119\u00A0mm² chacun, "
                            "357\u00A0mm²\n"
                            "35 (1-1/4 po) conduit métallique rigide\u00A0: 357\u00A0mm² sur "
                            "984,79\u00A0mm², rempli à 36,25\u00A0%\u00A0; le tableau 8 permet "
                            "40\u00A0% pour 3 conducteurs, 393,91\u00A0mm² (article 12-910)\n"
                            "en 27 (1 po), le remplissage serait de 62,35\u00A0%\n"));
    QCOMPARE(fill.status, 0);
    const Result badRaceway = runProgram({"fill", "3x6", "--raceway", "pipe"}, {}, french);
    QVERIFY2(badRaceway.err.startsWith(QStringLiteral("torvane: la canalisation «\u00A0pipe\u00A0» "
                                                      "n'est pas l'une de celles-ci\u00A0: rmc")),
             qPrintable(badRaceway.err));
    QCOMPARE(badRaceway.status, 2);
    // Status 1 and 2 in French: parallel sets suggested, a bad number of sets.
    const Result parallel = runProgram({"size", "800"}, {}, french);
    QCOMPARE(parallel.err,
             QStringLiteral("torvane: aucun conducteur ne porte 800\u00A0A dans ces "
                            "conditions\u00A0: le 2000 kcmil porte 555\u00A0A, une charge continue "
                            "de 444\u00A0A (article 8-104)\u00A0; 4 ensembles en parallèle de "
                            "350 kcmil conviendraient (article 12-108)\n"));
    QCOMPARE(parallel.status, 1);
    const Result sets = runProgram({"size", "5", "--sets", "0"}, {}, french);
    QCOMPARE(sets.err, QStringLiteral("torvane: le nombre d'ensembles «\u00A00\u00A0» n'est pas un "
                                      "nombre entier de 1 à 10, ni auto\n"));
    QCOMPARE(sets.status, 2);
    const Result hot = runProgram({"size", "10", "--ambient", "56"}, {}, french);
    QCOMPARE(hot.err, QStringLiteral("torvane: la température ambiante de 56\u00A0°C dépasse "
                                     "55\u00A0°C, le maximum du tableau 5A pour un isolant de "
                                     "60\u00A0°C\n"));
    const Result csv =
        runProgram({"size", "300", "--ambient", "40", "--format", "csv"}, {}, french);
    QVERIFY2(csv.out.endsWith(QStringLiteral(",1250 MCM,2,495,405.9,0.82,1,5A,75,405.9,,,"
                                             "continuous load,,400,yes,450,1,3 AWG,cu,,,,,,,\n")),
             qPrintable(csv.out));
    // The designer's line, in French: the limit, the drop and what governed.
    const Result design = runProgram({"size", "30", "--insulation", "90", "--terminations", "75",
                                      "--length", "60", "--voltage", "240", "--max-drop", "2"},
                                     {}, french);
    QCOMPARE(design.out,
             QStringLiteral("4 AWG, 95 A selon le tableau 2, =95 A  (I \u00D7 1 \u00D7 1), "
                            "aucune correction appliquée\u00A0; limité à 85 A par des bornes de "
                            "75\u00A0°C\u00A0; la charge continue de 30\u00A0A demande "
                            "37,5\u00A0A (article 8-104, 80\u00A0%)\u00A0; chute de tension de "
                            "1,52\u00A0% (3,64\u00A0V) sur 60\u00A0m à 240\u00A0V en "
                            "monophasé\u00A0; disjoncteur de 40\u00A0A (choisi\u00A0; au plus "
                            "90\u00A0A sur ce conducteur)\u00A0; continuité des masses 8 AWG en "
                            "cuivre\u00A0; déterminé par la chute de tension (le courant "
                            "admissible seul donne 8 AWG)\n"));
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
    // What the largest conductor carries, with the decimal comma; the hint
    // for "1,500" in French words, asking for a point as the command line reads.
    const Result hot40 = runProgram({"size", "500", "--ambient", "40"}, {}, french);
    QVERIFY2(hot40.err.contains("le 2000 kcmil porte 455,1\u00A0A"), qPrintable(hot40.err));
    const Result thousands = runProgram({"size", "1,500"}, {}, french);
    QVERIFY2(thousands.err.endsWith(QStringLiteral("(séparez les décimales par un point)\n")),
             qPrintable(thousands.err));
    QCOMPARE(thousands.status, 2);
    // A schedule's problem column in French too; its column names stay.
    const Result column = runProgram({"size", "--schedule", "-"}, "load;note\n1 500,5;x\n", french);
    QVERIFY2(column.out.startsWith(QLatin1String("load;note;size;")), qPrintable(column.out));
    QVERIFY2(column.out.endsWith(QStringLiteral(";la charge «\u00A01 500,5\u00A0» n'est pas un "
                                                "nombre positif d'ampères (écrivez-la sans "
                                                "l'espace des milliers)\n")),
             qPrintable(column.out));
    QCOMPARE(column.status, 1);
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

// torvane report writes the schedule window's report with no display: the
// status as size --schedule gives it; bad input is status 2 and no file.
void TestCommandLine::reportWithoutDisplay()
{
    QTemporaryDir folder;
    QFile schedule(folder.filePath(QStringLiteral("panel.csv")));
    QVERIFY(schedule.open(QIODevice::WriteOnly));
    schedule.write("Circuit,Load\nP-1,16\nP-2,abc\nP-3,150\n");
    schedule.close();
    const QString pdf = folder.filePath(QStringLiteral("panel.pdf"));
    Result result =
        runProgram({"report", schedule.fileName(), "--output", pdf, "--material", "al"});
    QCOMPARE(result.out, QString());
    QCOMPARE(result.status, 1); // P-2's load
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
    written.close();
    if (QSysInfo::productType() != QLatin1String("windows")) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY2(text.waitForFinished(20000), "pdftotext (poppler-utils) is needed");
        const QString report = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(report.contains(QLatin1String("panel.csv")));
        QVERIFY(report.contains(QLatin1String("Aluminum"))); // the option as the empty cells' value
        // 150 A continuous in aluminum at 60 °C: 187.5 A, 300 kcmil, on a 200 A breaker.
        QVERIFY(report.contains(QLatin1String("300 MCM")));
        QVERIFY(report.contains(QLatin1String("200 A (chosen)")));
    }

    // Options before the command, as anywhere: the report still needs no display.
    QFile::remove(pdf);
    result = runProgram({"--material", "al", "report", schedule.fileName(), "--output", pdf});
    QCOMPARE(result.status, 1);
    QVERIFY(QFile::exists(pdf));

    // Sized with no problem: status 0. Asked wrongly: status 2, no file.
    QVERIFY(schedule.open(QIODevice::WriteOnly | QIODevice::Truncate));
    schedule.write("Circuit,Load\nP-1,16\n");
    schedule.close();
    QCOMPARE(runProgram({"report", schedule.fileName(), "--output", pdf}).status, 0);
    const QString none = folder.filePath(QStringLiteral("none.pdf"));
    for (const QStringList &arguments :
         {QStringList{"report", schedule.fileName()}, QStringList{"report", "--output", none},
          QStringList{"report", folder.filePath(QStringLiteral("missing.csv")), "--output", none},
          QStringList{"report", schedule.fileName(), "--output", none, "--ambient", "hot"},
          QStringList{"report", schedule.fileName(), "--output", none, "--format", "csv"}}) {
        result = runProgram(arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.startsWith(QLatin1String("torvane: ")) &&
                     result.err.count(QLatin1Char('\n')) == 1,
                 qPrintable(result.err));
        QVERIFY(!QFile::exists(none));
    }
    // Never over its own schedule.
    const QByteArray before = [&] {
        QFile read(schedule.fileName());
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }();
    result = runProgram({"report", schedule.fileName(), "--output", schedule.fileName()});
    QCOMPARE(result.status, 2);
    QVERIFY(result.err.contains(QLatin1String("the schedule itself")));
    QFile after(schedule.fileName());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    after.close();
    // Nor over it reached through a symbolic link, either way round. (On
    // Windows QFile::link makes a shortcut, a file of its own.)
    const QString link = folder.filePath(QStringLiteral("link.csv"));
    if (QSysInfo::productType() != QLatin1String("windows") &&
        QFile::link(schedule.fileName(), link)) {
        for (const QStringList &arguments :
             {QStringList{"report", schedule.fileName(), "--output", link},
              QStringList{"report", link, "--output", schedule.fileName()}}) {
            result = runProgram(arguments);
            QCOMPARE(result.status, 2);
            QVERIFY2(result.err.contains(QLatin1String("the schedule itself")),
                     qPrintable(result.err));
            QVERIFY(after.open(QIODevice::ReadOnly));
            QCOMPARE(after.readAll(), before);
            after.close();
            QVERIFY(QFileInfo(link).isSymLink());
        }
    }

    // A schedule's name without a command asks for the window; a mistyped
    // command is still one.
    if (QSysInfo::productType() != QLatin1String("windows")) {
        result = runProgram({schedule.fileName()});
        QVERIFY2(result.err.contains(QLatin1String("no display")), qPrintable(result.err));
    }
    result = runProgram({"reprot"});
    QVERIFY(result.err.contains(QLatin1String("unknown command \"reprot\"")));
}

// What French Excel saves as plain "CSV": Windows-1252, semicolons, decimal
// commas, CRLF. It goes back the same way, in UTF-8 with the byte-order mark
// that tells Excel so, and the reading says once that it was not UTF-8.
void TestCommandLine::frenchExcelScheduleGoesBackAsItCame()
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("tableau.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Circuit;Charge (A);Mat\xE9riau;Temp\xE9rature\r\n"
               "P-1;15,5;cuivre;40\r\n"
               ";;;\r\n"
               "P-2;abc;;\r\n");
    file.close();
    const Result result = runProgram({"size", "--schedule", file.fileName()});
    // The core's tests check such a file byte for byte; here, that the
    // program reads it so and writes it back so: UTF-8 with its mark, the
    // user's columns as they were, semicolons, decimal commas and CRLF.
    QVERIFY(result.bytes.startsWith("\xEF\xBB\xBF"
                                    "Circuit;Charge (A);Mat\xC3\xA9riau;Temp\xC3\xA9rature;size;"));
    QVERIFY2(result.bytes.contains("\r\nP-1;15,5;cuivre;40;10 AWG;2;30;24,6;0,82;"),
             result.bytes.constData());
    QVERIFY(result.bytes.endsWith(";\"the load \"\"abc\"\" is not a positive number of "
                                  "amperes\"\r\n"));
    QCOMPARE(result.err, QStringLiteral("torvane: %1 is not UTF-8: read as Windows-1252\n"
                                        "torvane: line 4: the load \"abc\" is not a positive "
                                        "number of amperes\n")
                             .arg(file.fileName()));
    QCOMPARE(result.status, 1);
    // Sized again as it went out: the same, without the note on the encoding.
    QFile sized(folder.filePath(QStringLiteral("sized.csv")));
    QVERIFY(sized.open(QIODevice::WriteOnly));
    sized.write(result.bytes);
    sized.close();
    const Result again = runProgram({"size", "--schedule", sized.fileName()});
    QCOMPARE(again.bytes, result.bytes);
    QVERIFY(!again.err.contains(QLatin1String("Windows-1252")));
}

// Excel's "Unicode text": UTF-16 with its byte-order mark, tabs.
void TestCommandLine::unicodeTextScheduleFromExcel()
{
    const QString text = QStringLiteral("Circuit\tLoad\tAmbiante\r\nP\u00E9-1\t150\t40\r\n");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text)
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    const Result result = runProgram({"size", "--schedule", "-"}, utf16);
    QVERIFY(result.bytes.startsWith("\xEF\xBB\xBF"
                                    "Circuit\tLoad\tAmbiante\tsize\ttable\t"));
    QVERIFY2(result.bytes.endsWith("\r\nP\xC3\xA9-1\t150\t40\t300 MCM\t2\t240\t196.8\t0.82\t1\t5A\t"
                                   "75\t196.8\t\t\tcontinuous load\t\t200\tyes\t200\t1\t6 AWG\t"
                                   "cu\t\t\t\t\t\t\t\r\n"),
             result.bytes.constData());
    QCOMPARE(result.status, 0);
}

// --output writes through a temporary file: the schedule may be written
// over itself, and a run that fails leaves the file as it was, and no other.
void TestCommandLine::outputFileIsWholeOrNotAtAll()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("circuits.csv"));
    QVERIFY(writeFile(path, "circuit,load\nA,20\n"));
    QFile file(path);
    const Result inPlace = runProgram({"size", "--schedule", path, "--output", path});
    QCOMPARE(inPlace.status, 0);
    QCOMPARE(inPlace.out, QString());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray sized = file.readAll();
    file.close();
    QVERIFY2(sized.startsWith("circuit,load,size,") && sized.contains("\nA,20,10 AWG,2,"),
             sized.constData());

    const Result failed =
        runProgram({"size", "--schedule", "-", "--output", path}, "circuit,amps\nA,20\n");
    QCOMPARE(failed.status, 2);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), sized);
    file.close();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"circuits.csv"});
}

// A write that fails is never reported as success.
void TestCommandLine::failedWritesExitTwo()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full here");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    program.setProcessEnvironment(env);
    program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(TORVANE_PROGRAM), {"size", "150"});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             QStringLiteral("torvane: the answer could not be written to standard output\n"));
}

// --output onto something that is not a regular file writes to it, never
// replaces it with a file: device nodes and a named pipe made in a
// temporary folder (never the machine's own /dev), "-" for standard output.
void TestCommandLine::outputOntoDevicesAndPipes()
{
#ifndef Q_OS_UNIX
    QSKIP("device nodes and named pipes are made here on Linux");
#else
    QTemporaryDir folder;
    const auto kindOf = [](const QString &path) {
        struct stat status
        {
        };
        return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT
                                                                          : mode_t{0};
    };
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {pipe});
    QVERIFY(reader.waitForStarted());
    Result result = runProgram({"size", "30", "--output", pipe});
    QVERIFY(reader.waitForFinished(20000));
    QCOMPARE(result.status, 0);
    QVERIFY(reader.readAllStandardOutput().startsWith("8 AWG, 40 A from Table 2"));
    QCOMPARE(kindOf(pipe), mode_t{S_IFIFO});

    for (const char *standardOutput : {"-", "/dev/stdout"}) {
        result = runProgram({"size", "30", "--output", standardOutput});
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.startsWith(QLatin1String("8 AWG, ")), standardOutput);
    }
    result = runProgram({"report", "--output", "-", folder.filePath(QStringLiteral("none.csv"))});
    QCOMPARE(result.status, 2); // no such schedule, and nothing written
    QCOMPARE(result.out, QString());

    // A symbolic link is followed: its target replaced, the link kept.
    const QString target = folder.filePath(QStringLiteral("answer.txt"));
    const QString link = folder.filePath(QStringLiteral("link.txt"));
    QFile(target).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(target, link));
    QCOMPARE(runProgram({"size", "30", "--output", link}).status, 0);
    QCOMPARE(kindOf(link), mode_t{S_IFLNK});
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("8 AWG, "));

    if (::geteuid() != 0)
        QSKIP("device nodes are made by root only");
    const QString null = folder.filePath(QStringLiteral("null"));
    const QString full = folder.filePath(QStringLiteral("full"));
    QCOMPARE(::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    QCOMPARE(::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    QCOMPARE(runProgram({"size", "30", "--output", null}).status, 0);
    QCOMPARE(runProgram({"size", "--schedule", "-", "--output", null}, "load\n20\n").status, 0);
    QCOMPARE(kindOf(null), mode_t{S_IFCHR});
    // A write that fails is never a success: exit 2 and the reason.
    result = runProgram({"size", "30", "--output", full});
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(QLatin1String("No space left")), qPrintable(result.err));
    QFile schedule(folder.filePath(QStringLiteral("panel.csv")));
    QVERIFY(schedule.open(QIODevice::WriteOnly));
    schedule.write("Circuit,Load\nP-1,16\n");
    schedule.close();
    QCOMPARE(runProgram({"report", schedule.fileName(), "--output", full}).status, 2);
    QCOMPARE(runProgram({"report", schedule.fileName(), "--output", null}).status, 0);
    QCOMPARE(kindOf(full), mode_t{S_IFCHR});
    QCOMPARE(kindOf(null), mode_t{S_IFCHR});
    const Result pdf = runProgram({"report", schedule.fileName(), "--output", "-"});
    QCOMPARE(pdf.status, 0);
    QVERIFY(pdf.bytes.startsWith("%PDF-"));
#endif
}

// Options may come before the command; a command line is never the window.
void TestCommandLine::optionsBeforeTheCommand()
{
    const Result before = runProgram({"--ambient", "40", "--material=al", "size", "150"});
    const Result after = runProgram({"size", "150", "--ambient", "40", "--material", "al"});
    QCOMPARE(before.status, 0);
    QCOMPARE(before.out, after.out);
    QVERIFY(before.out.startsWith(QLatin1String("500 MCM, ")));
    // An option of the command line without a command is the command line
    // asking for one, not the window.
    const Result alone = runProgram({"--material=al"});
    QCOMPARE(
        alone.err,
        QStringLiteral(
            "torvane: the options need a command: size, drop, fill, table, report, or --help\n"));
    QCOMPARE(alone.status, 2);
}

// Twenty-five bad rows: the first twenty on standard error, then one line
// with how many more; the problem column has them all.
void TestCommandLine::standardErrorNamesTwentyProblemRows()
{
    QByteArray schedule = "load\n";
    for (int row = 0; row < 25; ++row)
        schedule += "x\n";
    const Result result = runProgram({"size", "--schedule", "-"}, schedule);
    const QStringList lines = result.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines.first(), QStringLiteral("torvane: line 2: the load \"x\" is not a positive "
                                           "number of amperes"));
    QCOMPARE(lines.last(), QStringLiteral("torvane: rows with a problem: 5 more, each named in the "
                                          "problem column"));
    QCOMPARE(result.out.count(QLatin1String("is not a positive number")), 25);
    QCOMPARE(result.status, 1);
}

void TestCommandLine::everyTableInBothLanguages_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("firstLines");
    QTest::addColumn<QString>("lastLine");
    const QString nbsp = QStringLiteral("\u00A0");
    QTest::newRow("1") << "1" << false
                       << "2024 CEC Ampacity Table 1\nWire size    60 °C    75 °C    90 °C\n"
                          "   14 AWG     25 A     30 A     35 A\n"
                       << " 2000 MCM   1160 A   1385 A   1560 A";
    QTest::newRow("3") << "3" << false
                       << "2024 CEC Ampacity Table 3\nWire size    60 °C    75 °C    90 °C\n"
                          "   12 AWG     25 A     30 A     35 A\n"
                       << " 2000 MCM    965 A   1150 A   1295 A";
    QTest::newRow("4") << "4" << false
                       << "2024 CEC Ampacity Table 4\nWire size    60 °C    75 °C    90 °C\n"
                          "   12 AWG     15 A     20 A     25 A\n"
                       << " 2000 MCM    470 A    560 A    630 A";
    QTest::newRow("2 in French")
        << "2" << true
        << "CCÉ 2024, courant admissible, tableau 2\nCalibre       60 °C    75 °C    90 °C\n"
           "    14 AWG     15 A     20 A     25 A\n"
        << "2000 kcmil    555 A    665 A    750 A";
    QTest::newRow("3 in French")
        << "3" << true
        << "CCÉ 2024, courant admissible, tableau 3\nCalibre       60 °C    75 °C    90 °C\n"
           "    12 AWG     25 A     30 A     35 A\n"
        << "2000 kcmil    965 A   1150 A   1295 A";
}

// Each of the four tables as the printed Code has it, in English and French.
void TestCommandLine::everyTableInBothLanguages()
{
    QFETCH(QString, table);
    QFETCH(bool, french);
    QFETCH(QString, firstLines);
    QFETCH(QString, lastLine);
    if (french && QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("A Windows program speaks Windows' language, not the environment's");
    const QStringList environment =
        french ? QStringList{"LANGUAGE=fr", "LC_ALL=fr_CA.UTF-8"} : QStringList{};
    const Result result = runProgram({"table", table}, {}, environment);
    QCOMPARE(result.status, 0);
    QString out = result.out;
    out.replace(QChar(0x00A0), QLatin1Char(' '));
    QVERIFY2(out.startsWith(firstLines), qPrintable(out));
    QCOMPARE(out.trimmed().split(QLatin1Char('\n')).last(), lastLine);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
