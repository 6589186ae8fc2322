<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>AboutAmp</name>
    <message>
        <source>About Torvane</source>
        <translation>À propos de Torvane</translation>
    </message>
    <message>
        <source>This software conforms to the 2021 and 2024 Canadian Electrical Code. Information provided here shall be used with all applicable code rules and any other regulations imposed by authority having jurisdiction.</source>
        <translation>Ce logiciel est conforme aux éditions 2021 et 2024 du Code canadien de l&apos;électricité. Les renseignements fournis ici doivent être utilisés avec toutes les règles applicables du Code et tout autre règlement imposé par l&apos;autorité compétente.</translation>
    </message>
    <message>
        <source>This free software is provided &quot;as is&quot; and without any warranties as to performance or accuracy or any other warranties whether expressed or implied. The user must assume the entire risk of using the program.</source>
        <translation>Ce logiciel gratuit est fourni «&#xa0;tel quel&#xa0;», sans aucune garantie de rendement, d&apos;exactitude ou autre, expresse ou implicite. L&apos;utilisateur assume l&apos;entière responsabilité des risques liés à son utilisation.</translation>
    </message>
    <message>
        <source>To check for updates or other usefull tools please visit our website: </source>
        <translation>Pour les mises à jour et d&apos;autres outils utiles, visitez notre site Web&#xa0;: </translation>
    </message>
    <message>
        <source>Version: %1.%2.%3</source>
        <translation>Version&#xa0;: %1.%2.%3</translation>
    </message>
    <message>
        <source>Copies for your whole office can be bought on our website. For special prices, write to us at:</source>
        <translation>Des copies pour tout votre bureau s&apos;achètent sur notre site Web. Pour des prix spéciaux, écrivez-nous à&#xa0;:</translation>
    </message>
    <message>
        <source>Copyright © %1-%2</source>
        <translation>© %1-%2</translation>
    </message>
</context>
<context>
    <name>Ampacity</name>
    <message>
        <source>For 30°C Ambient Temp.</source>
        <translation>Température ambiante de 30&#xa0;°C</translation>
    </message>
    <message>
        <source>Conductor material: copper (CU) or aluminum (AL). Press to change it; copper uses Tables 1 and 2, aluminum Tables 3 and 4.</source>
        <translation>Matériau du conducteur&#xa0;: cuivre (CU) ou aluminium (AL). Appuyez pour le changer&#xa0;; le cuivre suit les tableaux 1 et 2, l&apos;aluminium les tableaux 3 et 4.</translation>
    </message>
    <message>
        <source>Installation: raceway or cable (Tables 2 and 4, conductor count from Table 5C) or free air (Tables 1 and 3, Table 5B). Press to change it.</source>
        <translation>Installation&#xa0;: canalisation ou câble (tableaux 2 et 4, nombre de conducteurs selon le tableau 5C) ou air libre (tableaux 1 et 3, tableau 5B). Appuyez pour la changer.</translation>
    </message>
    <message>
        <source>Insulation temperature rating: press to step 60, 75 and 90 °C. It picks the column of the table and of Table 5A.</source>
        <translation>Température nominale de l&apos;isolant&#xa0;: appuyez pour passer de 60 à 75, puis à 90&#xa0;°C. Elle choisit la colonne utilisée dans le tableau et dans le tableau 5A.</translation>
    </message>
    <message>
        <source>Ambient temperature: press to raise it by 5 °C and apply the correction factor of Table 5A.</source>
        <translation>Température ambiante&#xa0;: appuyez pour l&apos;augmenter de 5&#xa0;°C et appliquer le facteur de correction du tableau 5A.</translation>
    </message>
    <message>
        <source>Number of current-carrying conductors run together: press for the next group and its factor, Table 5C in raceway or cable, Table 5B in free air.</source>
        <translation>Nombre de conducteurs porteurs de courant regroupés&#xa0;: appuyez pour le groupe suivant et son facteur, tableau 5C en canalisation ou câble, tableau 5B à l&apos;air libre.</translation>
    </message>
    <message>
        <source>Ends the program.</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Notices, version and the maker&apos;s addresses.</source>
        <translation>Avis, version et coordonnées de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Wire size</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Pick a wire size to read its ampacity.</source>
        <translation>Choisissez un calibre pour afficher son courant admissible.</translation>
    </message>
    <message>
        <source>Ampacity</source>
        <translation>Courant admissible</translation>
    </message>
    <message>
        <source>Pick an ampacity to read the wire size that carries it.</source>
        <translation>Choisissez un courant admissible pour afficher le calibre correspondant.</translation>
    </message>
    <message>
        <source>Corrected ampacity</source>
        <translation>Courant admissible corrigé</translation>
    </message>
    <message>
        <source>The table ampacity I times the ambient temperature and conductor count factors.</source>
        <translation>Le courant admissible I du tableau multiplié par les facteurs de température ambiante et de nombre de conducteurs.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>spoken name of the Exit button</comment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Size a cable schedule…</source>
        <translation>Calibrer un tableau de câblage…</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>2024 CEC Ampacity Table 2</source>
        <translation>CCÉ 2024, courant admissible, tableau 2</translation>
    </message>
    <message>
        <source>A b o u t</source>
        <translation>À p r o p o s</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Insulation 75°C</source>
        <translation>Isolant 75&#xa0;°C</translation>
    </message>
    <message>
        <source>Insulation 90°C</source>
        <translation>Isolant 90&#xa0;°C</translation>
    </message>
    <message>
        <source>Insulation 60°C</source>
        <translation>Isolant 60&#xa0;°C</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>CU</translation>
    </message>
    <message>
        <source>AL</source>
        <translation>AL</translation>
    </message>
    <message>
        <source>Raceway or&#xa0;Cable</source>
        <translation>Canalisation ou&#xa0;câble</translation>
    </message>
    <message>
        <source>Free Air</source>
        <translation>Air libre</translation>
    </message>
    <message>
        <source>Correction Factors</source>
        <translation>Facteurs de correction</translation>
    </message>
    <message>
        <source>Tables 5A and 5C applied</source>
        <translation>Tableaux 5A et 5C appliqués</translation>
    </message>
    <message>
        <source>Tables 5A and 5B applied</source>
        <translation>Tableaux 5A et 5B appliqués</translation>
    </message>
    <message>
        <source>Table 5A applied</source>
        <translation>Tableau 5A appliqué</translation>
    </message>
    <message>
        <source>Table 5C applied</source>
        <translation>Tableau 5C appliqué</translation>
    </message>
    <message>
        <source>Table 5B applied</source>
        <translation>Tableau 5B appliqué</translation>
    </message>
    <message>
        <source>Correction factors</source>
        <translation>Facteurs de correction</translation>
    </message>
    <message>
        <source>Ambient 30°C</source>
        <translation>Ambiante 30&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 35°C</source>
        <translation>Ambiante 35&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 40°C</source>
        <translation>Ambiante 40&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 45°C</source>
        <translation>Ambiante 45&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 50°C</source>
        <translation>Ambiante 50&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 55°C</source>
        <translation>Ambiante 55&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 60°C</source>
        <translation>Ambiante 60&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 65°C</source>
        <translation>Ambiante 65&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 70°C</source>
        <translation>Ambiante 70&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 75°C</source>
        <translation>Ambiante 75&#xa0;°C</translation>
    </message>
    <message>
        <source>Ambient 80°C</source>
        <translation>Ambiante 80&#xa0;°C</translation>
    </message>
    <message>
        <source>Wires&#xa0;# 1-3</source>
        <translation>Cond. 1-3</translation>
    </message>
    <message>
        <source>Wires&#xa0;# 4-6</source>
        <translation>Cond. 4-6</translation>
    </message>
    <message>
        <source>Wires&#xa0;# 7-24</source>
        <translation>Cond. 7-24</translation>
    </message>
    <message>
        <source>Wires&#xa0;# 25-42</source>
        <translation>Cond. 25-42</translation>
    </message>
    <message>
        <source>Wires&#xa0;# over 43</source>
        <translation>Cond. 43&#xa0;et&#xa0;+</translation>
    </message>
    <message>
        <source>1 Wire</source>
        <translation>1 cond.</translation>
    </message>
    <message>
        <source>2 Wires</source>
        <translation>2 cond.</translation>
    </message>
    <message>
        <source>3 Wires </source>
        <translation>3 cond. </translation>
    </message>
    <message>
        <source>4 Wires</source>
        <translation>4 cond.</translation>
    </message>
    <message>
        <source>Ambient 30°C </source>
        <translation>Ambiante 30&#xa0;°C </translation>
    </message>
    <message>
        <source>2024 CEC Ampacity Table 1</source>
        <translation>CCÉ 2024, courant admissible, tableau 1</translation>
    </message>
    <message>
        <source>2024 CEC Ampacity Table 3</source>
        <translation>CCÉ 2024, courant admissible, tableau 3</translation>
    </message>
    <message>
        <source>2024 CEC Ampacity Table 4</source>
        <translation>CCÉ 2024, courant admissible, tableau 4</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Conductor material: cu or al (cu).</source>
        <translation>Matériau du conducteur&#xa0;: cu (cuivre) ou al (aluminium) (cu).</translation>
    </message>
    <message>
        <source>Ambient temperature, °C (30). Between two rows of Table 5A the hotter row applies; at or below 30 °C, none.</source>
        <translation>Température ambiante, en&#xa0;°C (30). Entre deux lignes du tableau 5A, la plus chaude s&apos;applique&#xa0;; à 30&#xa0;°C ou moins, aucune.</translation>
    </message>
    <message>
        <source>Current-carrying conductors run together (1): the groups of Table 5C in a raceway or cable, 1 to 4 of Table 5B in free air.</source>
        <translation>Conducteurs porteurs de courant regroupés (1)&#xa0;: les groupes du tableau 5C en canalisation ou câble, de 1 à 4 selon le tableau 5B à l&apos;air libre.</translation>
    </message>
    <message>
        <source>Output: text (in your language), csv or json (decimal point, English names). Text for one load, csv for a schedule.</source>
        <translation>Sortie&#xa0;: text (dans votre langue), csv ou json (point décimal, noms anglais). text pour une charge, csv pour un tableau de câblage.</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not text, csv or json</source>
        <translation>le format «&#xa0;%1&#xa0;» n&apos;est ni text, ni csv, ni json</translation>
    </message>
    <message>
        <source>no correction applied</source>
        <translation>aucune correction appliquée</translation>
    </message>
    <message>
        <source>%1, %2 A from Table %3, %4, %5</source>
        <translation>%1, %2 A selon le tableau %3, %4, %5</translation>
    </message>
    <message>
        <source>size takes one load, or --schedule FILE: &quot;%1&quot; is one too many</source>
        <translation>size prend une seule charge, ou --schedule FICHIER&#xa0;: «&#xa0;%1&#xa0;» est de trop</translation>
    </message>
    <message>
        <source>size needs a load in amperes, or --schedule FILE</source>
        <translation>size demande une charge en ampères, ou --schedule FICHIER</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 demande une valeur</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>l&apos;entrée standard ne peut pas être lue</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--%1 is for size, not for table</source>
        <translation>--%1 s&apos;emploie avec size, pas avec table</translation>
    </message>
    <message>
        <source>table needs one table number, 1 to 4</source>
        <translation>table demande un numéro de tableau, de 1 à 4</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; is not 1, 2, 3 or 4</source>
        <translation>le tableau «&#xa0;%1&#xa0;» n&apos;est pas le 1, le 2, le 3 ni le 4</translation>
    </message>
    <message>
        <source>Wire size</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>%1&#xa0;°C</source>
        <translation>%1&#xa0;°C</translation>
    </message>
    <message>
        <source>raceway (in a raceway, Tables 2 and 4), cable (as raceway; Table D3&apos;s cable column) or free-air (Tables 1 and 3) (raceway).</source>
        <translation>raceway (canalisation, tableaux 2 et 4), cable (câble, comme raceway&#xa0;; colonne câble du tableau D3) ou free-air (air libre, tableaux 1 et 3) (raceway).</translation>
    </message>
    <message>
        <source>One-way length of the run, metres (or feet: 150ft), to check the voltage drop (Rule 8-102, Table D3).</source>
        <translation>Longueur du parcours (aller seulement), en mètres (ou en pieds&#xa0;: 150ft), pour vérifier la chute de tension (article 8-102, tableau D3).</translation>
    </message>
    <message>
        <source>Nominal voltage, line to line in three-phase; needed with --length.</source>
        <translation>Tension nominale, entre phases en triphasé&#xa0;; requise avec --length.</translation>
    </message>
    <message>
        <source>1ph, 3ph or dc (1ph).</source>
        <translation>1ph (monophasé), 3ph (triphasé) ou dc (courant continu) (1ph).</translation>
    </message>
    <message>
        <source>1, 0.9 or 0.8, the columns of Table D3 (1).</source>
        <translation>1, 0.9 ou 0.8, les colonnes du tableau D3 (1).</translation>
    </message>
    <message>
        <source>Voltage drop allowed, per cent (3; 5 from the supply to the point of use).</source>
        <translation>Chute de tension permise, en pourcentage (3&#xa0;; 5 de l&apos;alimentation au point d&apos;utilisation).</translation>
    </message>
    <message>
        <source>Size every row of a cable schedule: a CSV file whose header names a load column and, optionally, columns named like these options (power_factor, max_drop); - reads standard input.</source>
        <translation>Choisit le conducteur de chaque ligne d&apos;un tableau de câblage&#xa0;: un fichier CSV dont l&apos;en-tête nomme une colonne load et, au besoin, des colonnes nommées comme ces options (power_factor, max_drop)&#xa0;; - lit l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>The current the drop command works the drop out for, amperes.</source>
        <translation>Le courant pour lequel la commande drop calcule la chute, en ampères.</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2</source>
        <translation>--%1 n&apos;est pas une option de %2</translation>
    </message>
    <message>
        <source>three-phase</source>
        <translation>triphasé</translation>
    </message>
    <message>
        <source>dc</source>
        <translation>courant continu</translation>
    </message>
    <message>
        <source>single-phase</source>
        <translation>monophasé</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1&#xa0;m</translation>
    </message>
    <message>
        <source>%1 ft (%2)</source>
        <translation>%1&#xa0;pi (%2)</translation>
    </message>
    <message>
        <source>; limited to %1 A by %2 °C terminations</source>
        <translation>&#xa0;; limité à %1 A par des bornes de %2&#xa0;°C</translation>
    </message>
    <message>
        <source>; voltage drop %1 % (%2 V) over %3 at %4 V %5</source>
        <translation>&#xa0;; chute de tension de %1&#xa0;% (%2&#xa0;V) sur %3 à %4&#xa0;V en %5</translation>
    </message>
    <message>
        <source>; governed by the terminations</source>
        <translation>&#xa0;; déterminé par les bornes</translation>
    </message>
    <message>
        <source>; governed by voltage drop (ampacity alone: %1)</source>
        <translation>&#xa0;; déterminé par la chute de tension (le courant admissible seul donne %1)</translation>
    </message>
    <message>
        <source>; governed by ampacity</source>
        <translation>&#xa0;; déterminé par le courant admissible</translation>
    </message>
    <message>
        <source>drop needs one conductor size, as in drop 3 or drop 250kcmil</source>
        <translation>drop demande un calibre de conducteur, comme drop 3 ou drop 250kcmil</translation>
    </message>
    <message>
        <source>drop needs --current and --voltage</source>
        <translation>drop demande --current et --voltage</translation>
    </message>
    <message>
        <source>within the %1 % allowed</source>
        <translation>sous les %1&#xa0;% permis</translation>
    </message>
    <message>
        <source>above the %1 % allowed</source>
        <translation>au-dessus des %1&#xa0;% permis</translation>
    </message>
    <message>
        <source>The schedule&apos;s separator: , or ; or tab (the header&apos;s own: the most frequent of them). A semicolon or tab schedule may write decimals with a comma.</source>
        <translation>Le séparateur du tableau de câblage&#xa0;: , ou ; ou tab (celui de l&apos;en-tête&#xa0;: le plus fréquent des trois). Un tableau séparé par des points-virgules ou des tabulations peut écrire les décimales avec une virgule.</translation>
    </message>
    <message>
        <source>--separator is for size --schedule</source>
        <translation>--separator s&apos;emploie avec size --schedule</translation>
    </message>
    <message>
        <source>the separator &quot;%1&quot; is not , or ; or tab</source>
        <translation>le séparateur «&#xa0;%1&#xa0;» n&apos;est ni , ni ; ni tab</translation>
    </message>
    <message>
        <source>standard input cannot be read: %1</source>
        <translation>l&apos;entrée standard ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l&apos;entrée standard</translation>
    </message>
    <message>
        <source>%1 is not UTF-8: read as Windows-1252</source>
        <translation>%1 n&apos;est pas en UTF-8&#xa0;: lu en Windows-1252</translation>
    </message>
    <message>
        <source>rows with a problem: %1 more, each named in the problem column</source>
        <translation>lignes en défaut&#xa0;: %1 de plus, chacune décrite dans la colonne problem</translation>
    </message>
    <message>
        <source>the answer could not be written to %1: %2</source>
        <translation>la réponse n&apos;a pas pu être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the answer could not be written to standard output</source>
        <translation>la réponse n&apos;a pas pu être écrite sur la sortie standard</translation>
    </message>
    <message>
        <source>report needs a schedule: report FILE --output REPORT.pdf</source>
        <translation>report demande un tableau de câblage&#xa0;: report FICHIER --output RAPPORT.pdf</translation>
    </message>
    <message>
        <source>report takes one schedule: &quot;%1&quot; is one too many</source>
        <translation>report prend un seul tableau de câblage&#xa0;: «&#xa0;%1&#xa0;» est de trop</translation>
    </message>
    <message>
        <source>report needs --output REPORT.pdf</source>
        <translation>report demande --output RAPPORT.pdf</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>le rapport n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Temperature rating of the terminations, Rule 4-006: auto (60 °C up to a 100 A breaker, given or chosen, or with --breaker none up to No. 1 AWG; 75 °C above), 60, 75, 90 or none (the table alone) (auto).</source>
        <translation>Température nominale des bornes, article 4-006&#xa0;: auto (60&#xa0;°C jusqu&apos;à un disjoncteur de 100&#xa0;A, donné ou choisi, ou, avec --breaker none, jusqu&apos;au calibre 1 AWG&#xa0;; 75&#xa0;°C au-delà), 60, 75, 90 ou none (le tableau seul) (auto).</translation>
    </message>
    <message>
        <source>Rating of the breaker or fuse protecting the circuit, amperes, checked against the load (Rule 8-104) and the conductor (Rule 14-104, Table 13); without it the smallest standard rating that carries the load is chosen; none for a circuit whose protection another Rule decides (motors, heating). It decides auto terminations.</source>
        <translation>Calibre du disjoncteur ou du fusible qui protège le circuit, en ampères, vérifié selon la charge (article 8-104) et le conducteur (article 14-104, tableau 13)&#xa0;; sans lui, le plus petit calibre normalisé qui porte la charge est choisi&#xa0;; none pour un circuit dont la protection relève d&apos;un autre article (moteurs, chauffage). Il détermine les bornes en mode auto.</translation>
    </message>
    <message>
        <source>Whether the load is continuous, Rule 8-104: yes (a load is, unless shown not to run more than 1 h in any 2 h) or no (yes).</source>
        <translation>Si la charge est continue, article 8-104&#xa0;: yes (elle l&apos;est, sauf s&apos;il est établi qu&apos;elle ne dure pas plus de 1&#xa0;h sur 2&#xa0;h) ou no (yes).</translation>
    </message>
    <message>
        <source>The breaker&apos;s marking for continuous loads, per cent: 80, or 100 for a device marked so (80).</source>
        <translation>Le marquage du disjoncteur pour les charges continues, en pourcentage&#xa0;: 80, ou 100 pour un dispositif marqué ainsi (80).</translation>
    </message>
    <message>
        <source>Conductors in parallel, Rule 12-108: the number of sets, 1 to 10, each in its own raceway or cable, 1/0 AWG and larger; auto for the fewest sets of a conductor up to --largest (1).</source>
        <translation>Conducteurs en parallèle, article 12-108&#xa0;: le nombre d&apos;ensembles, de 1 à 10, chacun dans sa propre canalisation ou son propre câble, de 1/0 AWG et plus&#xa0;; auto pour le moins d&apos;ensembles d&apos;un conducteur d&apos;au plus --largest (1).</translation>
    </message>
    <message>
        <source>The largest conductor --sets auto may use (500 kcmil).</source>
        <translation>Le plus gros conducteur que --sets auto peut employer (500 kcmil).</translation>
    </message>
    <message>
        <source>The bonding conductor&apos;s material, Rule 10-616 and Table 16: cu or al (the circuit conductors&apos;).</source>
        <translation>Le matériau du conducteur de continuité des masses, article 10-616 et tableau 16&#xa0;: cu ou al (celui des conducteurs du circuit).</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>; %1 A in each of %2 parallel sets</source>
        <translation>&#xa0;; %1&#xa0;A dans chacun des %2 ensembles en parallèle</translation>
    </message>
    <message>
        <source>; continuous load %1 A needs %2 A (Rule 8-104, %3 %)</source>
        <translation>&#xa0;; la charge continue de %1&#xa0;A demande %2&#xa0;A (article 8-104, %3&#xa0;%)</translation>
    </message>
    <message>
        <source>; no breaker checked (at most %1 A on this conductor)</source>
        <translation>&#xa0;; aucun disjoncteur vérifié (au plus %1&#xa0;A sur ce conducteur)</translation>
    </message>
    <message>
        <source>; %1 A breaker (chosen; at most %2 A on this conductor)</source>
        <translation>&#xa0;; disjoncteur de %1&#xa0;A (choisi&#xa0;; au plus %2&#xa0;A sur ce conducteur)</translation>
    </message>
    <message>
        <source>; %1 A breaker (at most %2 A on this conductor)</source>
        <translation>&#xa0;; disjoncteur de %1&#xa0;A (au plus %2&#xa0;A sur ce conducteur)</translation>
    </message>
    <message>
        <source>; bonding %1 copper</source>
        <translation>&#xa0;; continuité des masses %1 en cuivre</translation>
    </message>
    <message>
        <source>; bonding %1 aluminum</source>
        <translation>&#xa0;; continuité des masses %1 en aluminium</translation>
    </message>
    <message>
        <source>; governed by the continuous load</source>
        <translation>&#xa0;; déterminé par la charge continue</translation>
    </message>
    <message>
        <source>; governed by the breaker&apos;s protection (Rule 14-104)</source>
        <translation>&#xa0;; déterminé par la protection du disjoncteur (article 14-104)</translation>
    </message>
    <message>
        <source>drop takes a number of sets, 1 to 10, not auto</source>
        <translation>drop prend un nombre d&apos;ensembles, de 1 à 10, pas auto</translation>
    </message>
    <message>
        <source>%1 is not run in parallel: Rule 12-108 allows 1/0 AWG and larger</source>
        <translation>le %1 ne se pose pas en parallèle&#xa0;: l&apos;article 12-108 le permet à partir de 1/0 AWG</translation>
    </message>
    <message>
        <source>%1 A in %2 parallel sets</source>
        <translation>%1&#xa0;A en %2 ensembles en parallèle</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1&#xa0;A</translation>
    </message>
    <message>
        <source>%1: voltage drop %2 % (%3 V) over %4 at %5 V %6, %7; %8</source>
        <translation>%1&#xa0;: chute de tension de %2&#xa0;% (%3&#xa0;V) sur %4 à %5&#xa0;V en %6, %7&#xa0;; %8</translation>
    </message>
    <message>
        <source>%1: longest run %2 m (%3 ft) for a voltage drop of at most %4 % at %5 V %6, %7</source>
        <translation>%1&#xa0;: longueur maximale de %2&#xa0;m (%3&#xa0;pi) pour une chute de tension d&apos;au plus %4&#xa0;% à %5&#xa0;V en %6, %7</translation>
    </message>
    <message>
        <source>; no fuse checked (at most %1 A, Table 29)</source>
        <translation>&#xa0;; aucun fusible vérifié (au plus %1&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; %1 A fuse (chosen; at most %2 A, Table 29)</source>
        <translation>&#xa0;; fusible de %1&#xa0;A (choisi&#xa0;; au plus %2&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; %1 A fuse (at most %2 A, Table 29)</source>
        <translation>&#xa0;; fusible de %1&#xa0;A (au plus %2&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; no time-delay fuse checked (at most %1 A, Table 29)</source>
        <translation>&#xa0;; aucun fusible temporisé vérifié (au plus %1&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; %1 A time-delay fuse (chosen; at most %2 A, Table 29)</source>
        <translation>&#xa0;; fusible temporisé de %1&#xa0;A (choisi&#xa0;; au plus %2&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; %1 A time-delay fuse (at most %2 A, Table 29)</source>
        <translation>&#xa0;; fusible temporisé de %1&#xa0;A (au plus %2&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; no breaker checked (at most %1 A, Table 29)</source>
        <translation>&#xa0;; aucun disjoncteur vérifié (au plus %1&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; %1 A breaker (chosen; at most %2 A, Table 29)</source>
        <translation>&#xa0;; disjoncteur de %1&#xa0;A (choisi&#xa0;; au plus %2&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; %1 A breaker (at most %2 A, Table 29)</source>
        <translation>&#xa0;; disjoncteur de %1&#xa0;A (au plus %2&#xa0;A, tableau 29)</translation>
    </message>
    <message>
        <source>; overload at most %1 A (Rule 28-306)</source>
        <translation>&#xa0;; surcharge réglée à au plus %1&#xa0;A (article 28-306)</translation>
    </message>
    <message>
        <source>; motor full-load current %1 A (Table 44) needs %2 A (Rule 28-106, 125 %)</source>
        <translation>&#xa0;; le courant à pleine charge du moteur, %1&#xa0;A (tableau 44), demande %2&#xa0;A (article 28-106, 125&#xa0;%)</translation>
    </message>
    <message>
        <source>; motor full-load current %1 A (Table 45) needs %2 A (Rule 28-106, 125 %)</source>
        <translation>&#xa0;; le courant à pleine charge du moteur, %1&#xa0;A (tableau 45), demande %2&#xa0;A (article 28-106, 125&#xa0;%)</translation>
    </message>
    <message>
        <source>; motor full-load current %1 A (nameplate) needs %2 A (Rule 28-106, 125 %)</source>
        <translation>&#xa0;; le courant à pleine charge du moteur, %1&#xa0;A (plaque signalétique), demande %2&#xa0;A (article 28-106, 125&#xa0;%)</translation>
    </message>
    <message>
        <source>; governed by the motor&apos;s full-load current</source>
        <translation>&#xa0;; déterminé par le courant à pleine charge du moteur</translation>
    </message>
    <message>
        <source>Whether a load in amperes is a motor&apos;s full-load current, sized by Section 28 rather than as a continuous load (no). A load in horsepower (10hp, 1-1/2hp, 3/4hp) is a motor.</source>
        <translation>Si une charge en ampères est le courant à pleine charge d&apos;un moteur, dimensionnée selon la section 28 plutôt que comme une charge continue (no). Une charge en horsepower (10hp, 1-1/2hp, 3/4hp) ou en ch est un moteur.</translation>
    </message>
    <message>
        <source>A motor&apos;s nameplate full-load current, amperes, for a load in horsepower; without it the current comes from Table 44 (three-phase) or Table 45 (single-phase) at --voltage (Rule 28-106).</source>
        <translation>Le courant à pleine charge de la plaque signalétique d&apos;un moteur, en ampères, pour une charge en horsepower ; sans lui, le courant vient du tableau 44 (triphasé) ou du tableau 45 (monophasé) à --voltage (article 28-106).</translation>
    </message>
    <message>
        <source>The device protecting a motor&apos;s branch circuit, Rule 28-200 and Table 29: breaker (inverse time), fuse or time-delay-fuse (breaker).</source>
        <translation>Le dispositif qui protège le circuit de dérivation d&apos;un moteur, article 28-200 et tableau 29 : breaker (disjoncteur à temps inverse), fuse (fusible) ou time-delay-fuse (fusible temporisé) (breaker).</translation>
    </message>
    <message>
        <source>How a motor is started, for Table 29 (full-voltage).</source>
        <translation>Le démarrage du moteur, pour le tableau 29 : full-voltage (pleine tension), resistor, reactor, autotransformer ou star-delta (full-voltage).</translation>
    </message>
    <message>
        <source>The kind of motor, for Tables 44 and 29; a synchronous motor&apos;s current is Table 44&apos;s unity power factor current times 1.1 at --power-factor 0.9 and 1.25 at 0.8 (induction).</source>
        <translation>Le type de moteur, pour les tableaux 44 et 29 ; le courant d&apos;un moteur synchrone est celui du tableau 44 à facteur de puissance unitaire, multiplié par 1,1 à --power-factor 0.9 et par 1,25 à 0.8 (induction).</translation>
    </message>
    <message>
        <source>A motor&apos;s service factor: the overload relay is set at most 125 % of the full-load current at 1.15 or more, 115 % below (Rule 28-306) (1).</source>
        <translation>Le facteur de service du moteur : le relais de surcharge est réglé à au plus 125&#xa0;% du courant à pleine charge à 1,15 ou plus, 115&#xa0;% en deçà (article 28-306) (1).</translation>
    </message>
    <message>
        <source>Allowable ampacity of insulated conductors from the Canadian Electrical Code.
Without a command, opens the calculator&apos;s window.

Commands:
  size LOAD              the smallest conductor whose allowable ampacity carries
                         LOAD amperes, within its terminations&apos; rating, as a
                         continuous load unless --continuous no, protected by
                         its breaker (given, or chosen) and, with --length and
                         --voltage, within the voltage drop allowed; with its
                         breaker, bonding conductor and parallel sets
  size --schedule FILE   the same for every row of a cable schedule
  drop SIZE --current I --voltage V [--length L]
                         the voltage drop of a conductor over a run, or without
                         --length the longest run within --max-drop
  fill GROUP... --raceway TYPE [--size TRADE]
                         the smallest trade size of a raceway that holds the
                         conductors (GROUP: 3x6, 4x1/0, 1x10:TWN75), or one
                         size&apos;s fill, or how many of one conductor it holds
                         (GROUP without a count: 12:T90)
  table N                Table N (1 to 4) with its 60, 75 and 90 °C columns
  report FILE --output REPORT.pdf
                         the report of a sized schedule, as the schedule
                         window exports it

torvane FILE, a schedule without a command, opens it in the schedule window.

Exit status: 0 answered; 1 a load no conductor carries (or none its breaker
protects, or a breaker too small for it), a drop above the limit, conductors no
trade size holds, or schedule rows with a problem (the other rows are sized);
2 bad input.</source>
        <translation>Courant admissible des conducteurs isolés selon le Code canadien de l&apos;électricité.
Sans commande, ouvre la fenêtre de la calculatrice.

Commandes&#xa0;:
  size CHARGE            le plus petit conducteur dont le courant admissible porte
                         CHARGE ampères, dans la limite de ses bornes, en charge
                         continue sauf --continuous no, protégé par son
                         disjoncteur (donné, ou choisi) et, avec --length et
                         --voltage, dans la chute de tension permise&#xa0;; avec son
                         disjoncteur, sa continuité des masses et ses ensembles
  size --schedule FICHIER
                         la même chose pour chaque ligne d&apos;un tableau de câblage
  drop CALIBRE --current I --voltage V [--length L]
                         la chute de tension d&apos;un conducteur sur un parcours ou,
                         sans --length, la longueur maximale sous --max-drop
  fill GROUPE... --raceway TYPE [--size DIMENSION]
                         la plus petite dimension commerciale d&apos;une canalisation
                         qui contient les conducteurs (GROUPE&#xa0;: 3x6, 4x1/0,
                         1x10:TWN75), ou le remplissage d&apos;une dimension, ou combien
                         d&apos;un conducteur elle contient (GROUPE sans nombre&#xa0;: 12:T90)
  table N                le tableau N (1 à 4) avec ses colonnes de 60, 75 et 90&#xa0;°C
  report FICHIER --output RAPPORT.pdf
                         le rapport d&apos;un tableau de câblage calibré, tel que la
                         fenêtre du tableau l&apos;exporte

torvane FICHIER, un tableau de câblage sans commande, l&apos;ouvre dans sa fenêtre.

Code de sortie&#xa0;: 0 réponse donnée&#xa0;; 1 une charge qu&apos;aucun conducteur ne porte
(ou qu&apos;aucun conducteur protégé par son disjoncteur ne porte, ou un disjoncteur
trop petit pour elle), une chute au-delà de la limite, des conducteurs qu&apos;aucune
dimension ne contient, ou des lignes en défaut dans le tableau de câblage (les
autres sont traitées)&#xa0;; 2 entrée invalide.</translation>
    </message>
    <message>
        <source>size, drop, fill, table or report</source>
        <translation>size, drop, fill, table ou report</translation>
    </message>
    <message>
        <source>the load in amperes, the conductor size, the conductors to fill a raceway with, the table number, or the schedule to report</source>
        <translation>la charge en ampères, le calibre du conducteur, les conducteurs d&apos;une canalisation, le numéro du tableau ou le tableau de câblage du rapport</translation>
    </message>
    <message>
        <source>the options need a command: size, drop, fill, table, report, or --help</source>
        <translation>les options demandent une commande&#xa0;: size, drop, fill, table, report ou --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: try size, drop, fill, table, report or --help</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»&#xa0;: essayez size, drop, fill, table, report ou --help</translation>
    </message>
    <message>
        <source>--%1 is not an option of fill</source>
        <translation>--%1 n&apos;est pas une option de fill</translation>
    </message>
    <message>
        <source>fill needs conductors, as in fill 3x6 1x10 --raceway emt</source>
        <translation>fill demande des conducteurs, comme fill 3x6 1x10 --raceway emt</translation>
    </message>
    <message>
        <source>fill needs --raceway TYPE: %1</source>
        <translation>fill demande --raceway TYPE&#xa0;: %1</translation>
    </message>
    <message>
        <source>a conductor without a count asks how many fit: give it alone, with --size, as in fill 12 --raceway emt --size 16</source>
        <translation>un conducteur sans nombre demande combien il en entre&#xa0;: donnez-le seul, avec --size, comme fill 12 --raceway emt --size 16</translation>
    </message>
    <message>
        <source>Table 8 allows %1 % for one conductor</source>
        <translation>le tableau 8 permet %1&#xa0;% pour un conducteur</translation>
    </message>
    <message>
        <source>Table 8 allows %1 % for %2 conductors</source>
        <translation>le tableau 8 permet %1&#xa0;% pour %2 conducteurs</translation>
    </message>
    <message>
        <source>%1 %2 (Table %3, %4 mm² each)</source>
        <translation>%1 %2 (tableau %3, %4&#xa0;mm² chacun)</translation>
    </message>
    <message>
        <source>%1 %2 holds %3 × %4: %5 mm² of %6 mm², %7 % full; %8, %9 mm² (Rule 12-910)</source>
        <translation>%1 %2 contient %3 × %4&#xa0;: %5&#xa0;mm² sur %6&#xa0;mm², rempli à %7&#xa0;%&#xa0;; %8, %9&#xa0;mm² (article 12-910)</translation>
    </message>
    <message>
        <source>%1 %2 holds no %3: %4, %5 mm² (Rule 12-910)</source>
        <translation>%1 %2 ne contient aucun %3&#xa0;: %4, %5&#xa0;mm² (article 12-910)</translation>
    </message>
    <message>
        <source>No trade size of %1 holds %2 mm²: %3 would be %4 % full; %5 (Rule 12-910)</source>
        <translation>Aucune dimension de %1 ne contient %2&#xa0;mm²&#xa0;: en %3, le remplissage serait de %4&#xa0;%&#xa0;; %5 (article 12-910)</translation>
    </message>
    <message>
        <source>%1 %2: %3 mm² of %4 mm², %5 % full; %6, %7 mm² (Rule 12-910)</source>
        <translation>%1 %2&#xa0;: %3&#xa0;mm² sur %4&#xa0;mm², rempli à %5&#xa0;%&#xa0;; %6, %7&#xa0;mm² (article 12-910)</translation>
    </message>
    <message>
        <source>: it fits</source>
        <translation>&#xa0;: il convient</translation>
    </message>
    <message>
        <source>: too full</source>
        <translation>&#xa0;: trop rempli</translation>
    </message>
    <message>
        <source>%1 would be %2 % full</source>
        <translation>en %1, le remplissage serait de %2&#xa0;%</translation>
    </message>
    <message>
        <source>%1 × %2 %3 (Table %4): %5 mm² each, %6 mm²</source>
        <translation>%1 × %2 %3 (tableau %4)&#xa0;: %5&#xa0;mm² chacun, %6&#xa0;mm²</translation>
    </message>
    <message>
        <source>The trade size fill checks, as its metric designator (21) or inch name (3/4); without it the smallest that holds the conductors.</source>
        <translation>La dimension commerciale que fill vérifie, par sa désignation métrique (21) ou en pouces (3/4)&#xa0;; sans elle, la plus petite qui contient les conducteurs.</translation>
    </message>
    <message>
        <source>Insulation temperature rating, °C: 60, 75 or 90 (60, or the rating of --wire).</source>
        <translation>Température nominale de l&apos;isolant, en&#xa0;°C&#xa0;: 60, 75 ou 90 (60, ou celle de --wire).</translation>
    </message>
    <message>
        <source>The raceway each set of conductors runs in, Rule 12-910 and Tables 6, 8 and 9: its smallest trade size is given. emt, rmc, rigid-pvc, fmc, lfmc, lfnc, ent, rtrc-ips, rtrc-id, hdpe-sch40... (none).</source>
        <translation>La canalisation de chaque ensemble de conducteurs, article 12-910 et tableaux 6, 8 et 9&#xa0;: sa plus petite dimension commerciale est donnée. emt, rmc, rigid-pvc, fmc, lfmc, lfnc, ent, rtrc-ips, rtrc-id, hdpe-sch40... (aucune).</translation>
    </message>
    <message>
        <source>The wire type on the insulation, for the raceway&apos;s fill (Table 6): RW90, RW75, R90, RPV90, RWU90, RPVU90, TWU, TWU75, TW, TW75, TWN75 or T90; it sets the insulation&apos;s rating unless --insulation is given (TW at 60 °C, RW75 at 75 °C, RW90 at 90 °C).</source>
        <translation>Le type de fil inscrit sur l&apos;isolant, pour le remplissage de la canalisation (tableau 6)&#xa0;: RW90, RW75, R90, RPV90, RWU90, RPVU90, TWU, TWU75, TW, TW75, TWN75 ou T90&#xa0;; il fixe la température de l&apos;isolant sauf si --insulation est donnée (TW à 60&#xa0;°C, RW75 à 75&#xa0;°C, RW90 à 90&#xa0;°C).</translation>
    </message>
    <message>
        <source>The wire&apos;s voltage class in Table 6 (the lowest the type comes in).</source>
        <translation>La classe de tension du fil au tableau 6 (la plus basse du type).</translation>
    </message>
    <message>
        <source>Whether the wire is jacketed, for Table 6 (no).</source>
        <translation>Si le fil est sous gaine, pour le tableau 6 (no).</translation>
    </message>
    <message>
        <source>Solid conductors, 14 to 10 AWG, Table 6&apos;s solid rows (stranded).</source>
        <translation>Conducteurs massifs, 14 à 10 AWG, les lignes des conducteurs massifs du tableau 6 (câblés).</translation>
    </message>
    <message>
        <source>Whether the raceway holds a neutral of the circuit&apos;s size and type (no).</source>
        <translation>Si la canalisation contient un neutre du calibre et du type du circuit (no).</translation>
    </message>
    <message>
        <source>Whether the raceway holds the bonding conductor, insulated, of the same type: no for a raceway that is itself the bonding path (yes).</source>
        <translation>Si la canalisation contient le conducteur de continuité des masses, isolé, du même type&#xa0;: no pour une canalisation qui assure elle-même la continuité des masses (yes).</translation>
    </message>
    <message>
        <source>; each set in %1 %2, %3 % full with %4 %5 conductors (Rule 12-910)</source>
        <translation>&#xa0;; chaque ensemble en %2 de %1, rempli à %3&#xa0;% par %4 conducteurs %5 (article 12-910)</translation>
    </message>
    <message>
        <source>; in %1 %2, %3 % full with %4 %5 conductors (Rule 12-910)</source>
        <translation>&#xa0;; en %2 de %1, rempli à %3&#xa0;% par %4 conducteurs %5 (article 12-910)</translation>
    </message>
    <message>
        <source>note: Table %1 prints %2 at %3 mm², counted as printed; with the diameter its other sizes have it would be 35.8 mm²</source>
        <translation>remarque&#xa0;: le tableau %1 donne %2 à %3&#xa0;mm², compté tel quel&#xa0;; avec le diamètre de ses autres calibres, il serait de 35,8&#xa0;mm²</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.xlsx, .ods) the schedule is on: its name, or its number from 1 (the first).</source>
        <translation>La feuille d&apos;un classeur (.xlsx, .ods) qui porte le tableau de câblage&#xa0;: son nom, ou son numéro à partir de 1 (la première).</translation>
    </message>
    <message>
        <source>--sheet is for size --schedule</source>
        <translation>--sheet s&apos;emploie avec size --schedule</translation>
    </message>
    <message>
        <source>--sheet is for a workbook (.xlsx, .ods): %1 is not one</source>
        <translation>--sheet s&apos;emploie avec un classeur (.xlsx, .ods)&#xa0;: %1 n&apos;en est pas un</translation>
    </message>
    <message>
        <source>%1: the answer is written as CSV or JSON text, or into the .xlsx or .ods workbook size --schedule read: give a .csv name</source>
        <translation>%1&#xa0;: la réponse s&apos;écrit en texte CSV ou JSON, ou dans le classeur .xlsx ou .ods lu par size --schedule&#xa0;: donnez un nom en .csv</translation>
    </message>
    <message>
        <source>%1 is a .%2 workbook: its answer is written into a .%2 workbook, or as CSV under a .csv name</source>
        <translation>%1 est un classeur .%2&#xa0;: sa réponse s&apos;écrit dans un classeur .%2, ou en CSV sous un nom en .csv</translation>
    </message>
    <message>
        <source>%1 is not a workbook: the answer goes into a workbook only when the schedule is read from one; give a .csv name</source>
        <translation>%1 n&apos;est pas un classeur&#xa0;: la réponse ne va dans un classeur que si le tableau de câblage en vient&#xa0;; donnez un nom en .csv</translation>
    </message>
    <message>
        <source>--format is for text answers: a workbook takes the answer in its own cells</source>
        <translation>--format s&apos;emploie pour les réponses en texte&#xa0;: un classeur reçoit la réponse dans ses propres cellules</translation>
    </message>
    <message>
        <source>Write the answer to FILE rather than to standard output, whole or not at all: through a temporary file renamed at the end (FILE may be the schedule itself). A schedule read from a workbook goes back into a .xlsx or .ods FILE of its format.</source>
        <translation>Écrit la réponse dans FICHIER plutôt que sur la sortie standard, en entier ou pas du tout&#xa0;: par un fichier temporaire renommé à la fin (FICHIER peut être le tableau de câblage lui-même). Un tableau de câblage lu dans un classeur y retourne si FICHIER est un .xlsx ou un .ods de son format.</translation>
    </message>
</context>
<context>
    <name>Raceways</name>
    <message>
        <source>rigid metal conduit</source>
        <translation>conduit métallique rigide</translation>
    </message>
    <message>
        <source>flexible metal conduit</source>
        <translation>conduit métallique flexible</translation>
    </message>
    <message>
        <source>rigid PVC conduit</source>
        <translation>conduit rigide en PVC</translation>
    </message>
    <message>
        <source>rigid Type EB1 PVC conduit and rigid Type DB2/ES2 PVC conduit</source>
        <translation>conduit rigide en PVC de type EB1 et conduit rigide en PVC de type DB2/ES2</translation>
    </message>
    <message>
        <source>metallic liquid-tight flexible conduit</source>
        <translation>conduit flexible métallique étanche aux liquides</translation>
    </message>
    <message>
        <source>non-metallic liquid-tight flexible conduit</source>
        <translation>conduit flexible non métallique étanche aux liquides</translation>
    </message>
    <message>
        <source>electrical metallic tubing</source>
        <translation>tube électrique métallique</translation>
    </message>
    <message>
        <source>electrical non-metallic tubing</source>
        <translation>tube électrique non métallique</translation>
    </message>
    <message>
        <source>rigid RTRC conduit marked IPS</source>
        <translation>conduit rigide RTRC marqué IPS</translation>
    </message>
    <message>
        <source>rigid RTRC conduit marked ID</source>
        <translation>conduit rigide RTRC marqué ID</translation>
    </message>
    <message>
        <source>HDPE conduit Schedule 40</source>
        <translation>conduit en PEHD Schedule 40</translation>
    </message>
    <message>
        <source>HDPE conduit Schedule 80</source>
        <translation>conduit en PEHD Schedule 80</translation>
    </message>
    <message>
        <source>HDPE conduit DR9</source>
        <translation>conduit en PEHD DR9</translation>
    </message>
    <message>
        <source>HDPE conduit DR11</source>
        <translation>conduit en PEHD DR11</translation>
    </message>
    <message>
        <source>HDPE conduit DR13.5</source>
        <translation>conduit en PEHD DR13.5</translation>
    </message>
    <message>
        <source>HDPE conduit DR15.5</source>
        <translation>conduit en PEHD DR15.5</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Cable schedule: %1</source>
        <translation>Tableau de câblage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sized by %1 %2</source>
        <translation>Calibré par %1 %2</translation>
    </message>
    <message>
        <source>Canadian Electrical Code, Part I, %1</source>
        <translation>Code canadien de l&apos;électricité, Première partie, %1</translation>
    </message>
    <message>
        <source>Values for empty cells</source>
        <translation>Valeurs des cellules vides</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>Circuits</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 de %2</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>le rapport n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>that is the schedule itself</source>
        <translation>c&apos;est le tableau de câblage lui-même</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Copper</source>
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Raceway</source>
        <translation>Canalisation</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>Free air</source>
        <translation>Air libre</translation>
    </message>
    <message>
        <source>60 °C</source>
        <translation>60&#xa0;°C</translation>
    </message>
    <message>
        <source>75 °C</source>
        <translation>75&#xa0;°C</translation>
    </message>
    <message>
        <source>90 °C</source>
        <translation>90&#xa0;°C</translation>
    </message>
    <message>
        <source>Auto (Rule 4-006)</source>
        <translation>Auto (article 4-006)</translation>
    </message>
    <message>
        <source>None (table alone)</source>
        <translation>Aucune (tableau seul)</translation>
    </message>
    <message>
        <source>Single-phase</source>
        <translation>Monophasé</translation>
    </message>
    <message>
        <source>Three-phase</source>
        <translation>Triphasé</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>Courant continu</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>0.9</source>
        <translation>0,9</translation>
    </message>
    <message>
        <source>0.8</source>
        <translation>0,8</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Insulation</source>
        <translation>Isolant</translation>
    </message>
    <message>
        <source>Ambient (°C)</source>
        <translation>Ambiante (en&#xa0;°C)</translation>
    </message>
    <message>
        <source>Conductors</source>
        <translation>Conducteurs</translation>
    </message>
    <message>
        <source>Terminations</source>
        <translation>Bornes</translation>
    </message>
    <message>
        <source>Breaker (A)</source>
        <translation>Disjoncteur (A)</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Longueur (m)</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Tension (V)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Facteur de puissance</translation>
    </message>
    <message>
        <source>Maximum drop (%)</source>
        <translation>Chute maximale (%)</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non précisé</translation>
    </message>
    <message>
        <source>Voltage drop</source>
        <translation>Chute de tension</translation>
    </message>
    <message>
        <source>Ampacity</source>
        <translation>Courant admissible</translation>
    </message>
    <message>
        <source>%1 sized, %2 with a problem</source>
        <translation>%1 calibrés, %2 en défaut</translation>
    </message>
    <message>
        <source>1 circuit: %1</source>
        <translation>1 circuit&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 circuits: %2</source>
        <translation>%1 circuits&#xa0;: %2</translation>
    </message>
    <message>
        <source>; %1 governed by voltage drop</source>
        <translation>&#xa0;; %1 déterminés par la chute de tension</translation>
    </message>
    <message>
        <source>; %1 governed by the terminations</source>
        <translation>&#xa0;; %1 déterminés par les bornes</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Governed by</source>
        <translation>Déterminé par</translation>
    </message>
    <message>
        <source>Usable ampacity</source>
        <translation>Courant utilisable</translation>
    </message>
    <message>
        <source>Voltage drop %</source>
        <translation>Chute de tension&#xa0;%</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1&#xa0;A</translation>
    </message>
    <message>
        <source>Ampacity: the smallest conductor of the wire-size list whose allowable ampacity, the cell of Table 1, 2, 3 or 4 for its insulation times the factors of Table 5A (ambient temperature) and Table 5B or 5C (conductors run together), carries the load, compared exactly.</source>
        <translation>Courant admissible&#xa0;: le plus petit conducteur de la liste des calibres dont le courant admissible, la cellule du tableau 1, 2, 3 ou 4 pour son isolant multipliée par les facteurs du tableau 5A (température ambiante) et du tableau 5B ou 5C (conducteurs regroupés), porte la charge, comparé exactement.</translation>
    </message>
    <message>
        <source>Voltage drop, Rule 8-102: with a length and a voltage, drop = K × f × I × L / 1000, with K from Table D3 (ohms per km, for the power factor and installation), f = 2 single-phase and DC or √3 three-phase, I the load and L the one-way length in metres; the conductor is the first whose drop is within the limit, a drop exactly at the limit passing.</source>
        <translation>Chute de tension, article 8-102&#xa0;: avec une longueur et une tension, chute = K × f × I × L / 1000, où K vient du tableau D3 (ohms par km, selon le facteur de puissance et l&apos;installation), f = 2 en monophasé et en courant continu ou √3 en triphasé, I est la charge et L la longueur aller en mètres&#xa0;; le conducteur est le premier dont la chute respecte la limite, une chute égale à la limite étant acceptée.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>80 %</source>
        <translation>80&#xa0;%</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Auto (fewest)</source>
        <translation>Auto (le moins)</translation>
    </message>
    <message>
        <source>As the conductors</source>
        <translation>Comme les conducteurs</translation>
    </message>
    <message>
        <source>Continuous load</source>
        <translation>Charge continue</translation>
    </message>
    <message>
        <source>Device rating</source>
        <translation>Calibre du dispositif</translation>
    </message>
    <message>
        <source>Parallel sets</source>
        <translation>Ensembles en parallèle</translation>
    </message>
    <message>
        <source>Largest for sets</source>
        <translation>Calibre max. des ensembles</translation>
    </message>
    <message>
        <source>Bond material</source>
        <translation>Matériau de liaison</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source>; %1 governed by the continuous load</source>
        <translation>&#xa0;; %1 déterminés par la charge continue</translation>
    </message>
    <message>
        <source>; %1 governed by protection</source>
        <translation>&#xa0;; %1 déterminés par la protection</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Ensembles</translation>
    </message>
    <message>
        <source>Breaker</source>
        <translation>Disjoncteur</translation>
    </message>
    <message>
        <source>Bonding</source>
        <translation>Continuité des masses</translation>
    </message>
    <message>
        <source>None (max. %1 A)</source>
        <translation>Aucun (max. %1&#xa0;A)</translation>
    </message>
    <message>
        <source>%1 (chosen)</source>
        <translation>%1 (choisi)</translation>
    </message>
    <message>
        <source>%1 Cu</source>
        <translation>%1 Cu</translation>
    </message>
    <message>
        <source>%1 Al</source>
        <translation>%1 Al</translation>
    </message>
    <message>
        <source>Terminations, Rule 4-006: the usable ampacity is the lesser of that derated ampacity and the cell of the termination temperature&apos;s column, which caps it where the terminations are rated lower than the insulation; auto is 60 °C up to a 100 A breaker, given or chosen (or, with none, up to No. 1 AWG), and 75 °C above.</source>
        <translation>Bornes, article 4-006&#xa0;: le courant utilisable est le moindre de ce courant corrigé et de la cellule de la colonne de température des bornes, qui le plafonne là où les bornes ont une température nominale inférieure à celle de l&apos;isolant&#xa0;; auto est 60&#xa0;°C jusqu&apos;à un disjoncteur de 100&#xa0;A, donné ou choisi (ou, sans disjoncteur, jusqu&apos;au calibre 1 AWG), et 75&#xa0;°C au-delà.</translation>
    </message>
    <message>
        <source>Continuous load, Rule 8-104: a load is taken as continuous unless the schedule says no; it may then be at most 80 % of the ampacity from Table 2 or 4 (100 % with a device marked for 100 %) and 70 % of the ampacity from Table 1 or 3 (85 %), and at most 80 % (100 %) of the breaker&apos;s rating.</source>
        <translation>Charge continue, article 8-104&#xa0;: une charge est tenue pour continue sauf si le tableau de câblage dit non&#xa0;; elle peut alors atteindre au plus 80&#xa0;% du courant admissible du tableau 2 ou 4 (100&#xa0;% avec un dispositif marqué pour 100&#xa0;%) et 70&#xa0;% de celui du tableau 1 ou 3 (85&#xa0;%), et au plus 80&#xa0;% (100&#xa0;%) du calibre du disjoncteur.</translation>
    </message>
    <message>
        <source>Protection, Rule 14-104 and Table 13: without a breaker given, the smallest standard rating that carries the load is chosen; the breaker may not exceed the rating Table 13 permits for the ampacity in whole amperes rounded down (110.4 A permits 110 A), above 800 A the ampacity itself, nor the limits of Rule 14-104(2): 15, 20 and 30 A on 14, 12 and 10 AWG copper, 15 and 25 A on 12 and 10 AWG aluminum.</source>
        <translation>Protection, article 14-104 et tableau 13&#xa0;: sans disjoncteur donné, le plus petit calibre normalisé qui porte la charge est choisi&#xa0;; le disjoncteur ne peut dépasser le calibre que le tableau 13 permet pour le courant admissible en ampères entiers arrondis vers le bas (110,4&#xa0;A permet 110&#xa0;A), au-delà de 800&#xa0;A le courant admissible lui-même, ni les limites de l&apos;article 14-104(2)&#xa0;: 15, 20 et 30&#xa0;A sur le cuivre 14, 12 et 10 AWG, 15 et 25&#xa0;A sur l&apos;aluminium 12 et 10 AWG.</translation>
    </message>
    <message>
        <source>Bonding, Rule 10-616 and Table 16: the bonding conductor by the breaker&apos;s rating, or by the ampacity where the voltage drop made the conductors larger; one in each raceway or cable of parallel sets, for its share; never larger than the circuit conductors of the same metal.</source>
        <translation>Continuité des masses, article 10-616 et tableau 16&#xa0;: le conducteur de continuité des masses selon le calibre du disjoncteur, ou selon le courant admissible là où la chute de tension a grossi les conducteurs&#xa0;; un dans chaque canalisation ou câble des ensembles en parallèle, pour sa part&#xa0;; jamais plus gros que les conducteurs du circuit du même métal.</translation>
    </message>
    <message>
        <source>Parallel sets, Rule 12-108: each set in its own raceway or cable and of 1/0 AWG or larger, every conductor carrying its share of the load, the voltage drop worked out with that share; auto takes the fewest sets, up to 10, of a conductor no larger than the largest allowed.</source>
        <translation>Ensembles en parallèle, article 12-108&#xa0;: chaque ensemble dans sa propre canalisation ou son propre câble et de 1/0 AWG ou plus, chaque conducteur portant sa part de la charge, la chute de tension calculée avec cette part&#xa0;; auto prend le moins d&apos;ensembles, jusqu&apos;à 10, d&apos;un conducteur d&apos;au plus le calibre maximal permis.</translation>
    </message>
    <message>
        <source>Breaker (inverse time)</source>
        <translation>Disjoncteur (temps inverse)</translation>
    </message>
    <message>
        <source>Fuse</source>
        <translation>Fusible</translation>
    </message>
    <message>
        <source>Time-delay fuse</source>
        <translation>Fusible temporisé</translation>
    </message>
    <message>
        <source>Full voltage</source>
        <translation>Pleine tension</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <source>Reactor</source>
        <translation>Réactance</translation>
    </message>
    <message>
        <source>Autotransformer</source>
        <translation>Autotransformateur</translation>
    </message>
    <message>
        <source>Star-delta</source>
        <translation>Étoile-triangle</translation>
    </message>
    <message>
        <source>Induction</source>
        <translation>Induction</translation>
    </message>
    <message>
        <source>Synchronous</source>
        <translation>Synchrone</translation>
    </message>
    <message>
        <source>Wound rotor</source>
        <translation>Rotor bobiné</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>; %1 governed by a motor&apos;s current</source>
        <translation>&#xa0;; %1 déterminés par le courant d&apos;un moteur</translation>
    </message>
    <message>
        <source>%1 (Table 44)</source>
        <translation>%1 (tableau 44)</translation>
    </message>
    <message>
        <source>%1 (Table 45)</source>
        <translation>%1 (tableau 45)</translation>
    </message>
    <message>
        <source>%1 (nameplate)</source>
        <translation>%1 (plaque)</translation>
    </message>
    <message>
        <source>Motors, Rule 28-106 and Tables 44 and 45: a load in horsepower (or in amperes said to be a motor&apos;s) is a motor; its full-load current is the nameplate&apos;s where given, otherwise Table 44&apos;s (three-phase) or Table 45&apos;s (single-phase) at its voltage, and its conductors carry 125 % of it, without Rule 8-104 or Table 13.</source>
        <translation>Moteurs, article 28-106 et tableaux 44 et 45&#xa0;: une charge en ch (ou en ampères déclarée d&apos;un moteur) est un moteur&#xa0;; son courant à pleine charge est celui de la plaque signalétique s&apos;il est donné, sinon celui du tableau 44 (triphasé) ou du tableau 45 (monophasé) à sa tension, et ses conducteurs en portent 125&#xa0;%, sans l&apos;article 8-104 ni le tableau 13.</translation>
    </message>
    <message>
        <source>Motor branch-circuit protection, Rule 28-200 and Table 29: the breaker or fuse is at most the full-load current times Table 29&apos;s per cent for the motor&apos;s kind, starting and device, taken down to a standard rating, 15 A being always permitted; without one given, that largest rating is chosen.</source>
        <translation>Protection du circuit de dérivation d&apos;un moteur, article 28-200 et tableau 29&#xa0;: le disjoncteur ou le fusible est au plus le courant à pleine charge multiplié par le pourcentage du tableau 29 pour le type de moteur, son démarrage et le dispositif, ramené au calibre normalisé inférieur, 15&#xa0;A étant toujours permis&#xa0;; sans dispositif donné, ce plus grand calibre est choisi.</translation>
    </message>
    <message>
        <source>Motor overload, Rule 28-306: the overload relay is set at most 125 % of the full-load current for a service factor of 1.15 or more, 115 % otherwise; the nameplate current, not the table&apos;s, sets it.</source>
        <translation>Surcharge d&apos;un moteur, article 28-306&#xa0;: le relais de surcharge est réglé à au plus 125&#xa0;% du courant à pleine charge pour un facteur de service de 1,15 ou plus, 115&#xa0;% sinon&#xa0;; c&apos;est le courant de la plaque signalétique, et non celui du tableau, qui le règle.</translation>
    </message>
    <message>
        <source>Nameplate current (A)</source>
        <translation>Courant de plaque (A)</translation>
    </message>
    <message>
        <source>Motor protection</source>
        <translation>Protection du moteur</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Motor type</source>
        <translation>Type de moteur</translation>
    </message>
    <message>
        <source>Service factor</source>
        <translation>Facteur de service</translation>
    </message>
    <message>
        <source>Motor current</source>
        <translation>Courant du moteur</translation>
    </message>
    <message>
        <source>By the wire type (60 °C)</source>
        <translation>Selon le type de fil (60&#xa0;°C)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>By the insulation</source>
        <translation>Selon l&apos;isolant</translation>
    </message>
    <message>
        <source>The type&apos;s lowest</source>
        <translation>La plus basse du type</translation>
    </message>
    <message>
        <source>600 V</source>
        <translation>600&#xa0;V</translation>
    </message>
    <message>
        <source>1000 V</source>
        <translation>1000&#xa0;V</translation>
    </message>
    <message>
        <source>2000 V</source>
        <translation>2000&#xa0;V</translation>
    </message>
    <message>
        <source>Raceway type</source>
        <translation>Type de canalisation</translation>
    </message>
    <message>
        <source>Wire type</source>
        <translation>Type de fil</translation>
    </message>
    <message>
        <source>Wire voltage</source>
        <translation>Tension du fil</translation>
    </message>
    <message>
        <source>Jacketed</source>
        <translation>Sous gaine</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Massif</translation>
    </message>
    <message>
        <source>Neutral in raceway</source>
        <translation>Neutre dans la canalisation</translation>
    </message>
    <message>
        <source>Bond in raceway</source>
        <translation>Liaison dans la canalisation</translation>
    </message>
    <message>
        <source>%1 (%2 in)</source>
        <translation>%1 (%2 po)</translation>
    </message>
    <message>
        <source>%1 %2, %3 %</source>
        <translation>%1 %2, %3&#xa0;%</translation>
    </message>
    <message>
        <source>Raceways, Rule 12-910 with Tables 6, 8 and 9: where a raceway is asked for, each set&apos;s raceway holds its ungrounded conductors, the neutral where asked and the bonding conductor unless the raceway is the bonding path, each of the wire type&apos;s printed area in Table 6 (the insulation&apos;s type where none is given: TW, RW75 or RW90); the smallest trade size whose internal area, worked out from Table 9&apos;s diameter, they fill to at most Table 8&apos;s per cent (53 % for one conductor, 31 % for two, 40 % for three or more), a fill exactly at the limit passing.</source>
        <translation>Canalisations, article 12-910 et tableaux 6, 8 et 9&#xa0;: là où une canalisation est demandée, celle de chaque ensemble contient ses conducteurs non mis à la terre, le neutre s&apos;il est demandé et le conducteur de continuité des masses sauf si la canalisation assure elle-même la continuité, chacun avec la section imprimée au tableau 6 pour son type de fil (celui de l&apos;isolant si aucun n&apos;est donné&#xa0;: TW, RW75 ou RW90)&#xa0;; la plus petite dimension commerciale dont la section intérieure, calculée à partir du diamètre du tableau 9, est remplie au plus au pourcentage du tableau 8 (53&#xa0;% pour un conducteur, 31&#xa0;% pour deux, 40&#xa0;% pour trois ou plus), un remplissage égal à la limite étant accepté.</translation>
    </message>
    <message>
        <source>the schedule came from a .%1 workbook: save it as .%1, or as CSV under a .csv name</source>
        <translation>le tableau de câblage vient d&apos;un classeur .%1&#xa0;: enregistrez-le en .%1, ou en CSV sous un nom en .csv</translation>
    </message>
    <message>
        <source>a CSV schedule is saved as CSV: give a .csv name</source>
        <translation>un tableau de câblage CSV s&apos;enregistre en CSV&#xa0;: donnez un nom en .csv</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Show &amp;problems only</source>
        <translation>Afficher seulement les &amp;problèmes</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>Circuits</translation>
    </message>
    <message>
        <source>Values for empty cells</source>
        <translation>Valeurs des cellules vides</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non précisé</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open schedule…</source>
        <translation>&amp;Ouvrir un tableau de câblage…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Export report…</source>
        <translation>E&amp;xporter le rapport…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1[*] — Torvane</source>
        <translation>%1[*] — Torvane</translation>
    </message>
    <message>
        <source> (the file is not UTF-8: read as Windows-1252)</source>
        <translation> (le fichier n&apos;est pas en UTF-8&#xa0;: lu en Windows-1252)</translation>
    </message>
    <message>
        <source>Torvane</source>
        <translation>Torvane</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a cable schedule: %2</source>
        <translation>%1 ne peut pas être ouvert comme tableau de câblage&#xa0;: %2</translation>
    </message>
    <message>
        <source>Size a cable schedule</source>
        <translation>Calibrer un tableau de câblage</translation>
    </message>
    <message>
        <source>Cable schedules (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Tableaux de câblage (*.csv *.txt *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save the schedule as</source>
        <translation>Enregistrer le tableau de câblage sous</translation>
    </message>
    <message>
        <source>Export the report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1: %2</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>Enregistrer les modifications de %1 avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>The sheet of %1 that holds the schedule:</source>
        <translation>La feuille de %1 qui porte le tableau de câblage&#xa0;:</translation>
    </message>
    <message>
        <source>Cable schedules (*.csv *.txt *.tsv *.xlsx *.ods);;All files (*)</source>
        <translation>Tableaux de câblage (*.csv *.txt *.tsv *.xlsx *.ods);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheets (*.ods)</source>
        <translation>Classeurs OpenDocument (*.ods)</translation>
    </message>
</context>
<context>
    <name>Sizing</name>
    <message>
        <source>the load is missing</source>
        <translation>la charge manque</translation>
    </message>
    <message>
        <source>the load &quot;%1&quot; is not a positive number of amperes (write decimals after a point)</source>
        <translation>la charge «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif d&apos;ampères (séparez les décimales par un point)</translation>
    </message>
    <message>
        <source>the load &quot;%1&quot; is not a positive number of amperes</source>
        <translation>la charge «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif d&apos;ampères</translation>
    </message>
    <message>
        <source>the material &quot;%1&quot; is not cu or al</source>
        <translation>le matériau «&#xa0;%1&#xa0;» n&apos;est ni cu ni al</translation>
    </message>
    <message>
        <source>the insulation &quot;%1&quot; is not 60, 75 or 90 (°C)</source>
        <translation>l&apos;isolant «&#xa0;%1&#xa0;» n&apos;est pas de 60, 75 ou 90&#xa0;°C</translation>
    </message>
    <message>
        <source>the ambient &quot;%1&quot; is not a temperature in °C</source>
        <translation>la température ambiante «&#xa0;%1&#xa0;» n&apos;est pas une température en&#xa0;°C</translation>
    </message>
    <message>
        <source>the ambient &quot;%1&quot; °C is above %2 °C, the highest Table 5A allows for %3 °C insulation</source>
        <translation>la température ambiante de %1&#xa0;°C dépasse %2&#xa0;°C, le maximum du tableau 5A pour un isolant de %3&#xa0;°C</translation>
    </message>
    <message>
        <source>the conductors &quot;%1&quot; is not a whole number of conductors, 1 or more</source>
        <translation>le nombre de conducteurs «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier de 1 ou plus</translation>
    </message>
    <message>
        <source>the conductors &quot;%1&quot; is more than free air allows: Table 5B stops at %2</source>
        <translation>le nombre de conducteurs «&#xa0;%1&#xa0;» dépasse ce que permet l&apos;air libre&#xa0;: le tableau 5B s&apos;arrête à %2</translation>
    </message>
    <message>
        <source>no conductor carries &quot;%1&quot; A under these conditions: 2000 MCM carries %2 A</source>
        <translation>aucun conducteur ne porte %1&#xa0;A dans ces conditions&#xa0;: le 2000 kcmil porte %2&#xa0;A</translation>
    </message>
    <message>
        <source>a quoted field opened on line %1 is never closed</source>
        <translation>un champ entre guillemets ouvert à la ligne %1 n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>du texte suit un guillemet fermant</translation>
    </message>
    <message>
        <source>the row has %1 cells and the header %2</source>
        <translation>la ligne a %1 cellules et l&apos;en-tête %2</translation>
    </message>
    <message>
        <source>the schedule is empty: its first row must name the columns, load among them</source>
        <translation>le tableau de câblage est vide&#xa0;: sa première ligne doit nommer les colonnes, dont load</translation>
    </message>
    <message>
        <source>the header row names no load column</source>
        <translation>l&apos;en-tête ne nomme aucune colonne load</translation>
    </message>
    <message>
        <source>the header names the column %1 twice</source>
        <translation>l&apos;en-tête nomme deux fois la colonne %1</translation>
    </message>
    <message>
        <source>the installation &quot;%1&quot; is not raceway, cable or free-air</source>
        <translation>l&apos;installation «&#xa0;%1&#xa0;» n&apos;est ni raceway, ni cable, ni free-air</translation>
    </message>
    <message>
        <source>the terminations &quot;%1&quot; are not auto, 60, 75, 90 or none (°C)</source>
        <translation>les bornes «&#xa0;%1&#xa0;» ne sont ni auto, ni 60, 75 ou 90&#xa0;°C, ni none</translation>
    </message>
    <message>
        <source>the breaker &quot;%1&quot; is not a positive number of amperes</source>
        <translation>le disjoncteur «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif d&apos;ampères</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; is not a positive number of metres (or of feet, as in 150 ft)</source>
        <translation>la longueur «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif de mètres (ou de pieds, comme 150 ft)</translation>
    </message>
    <message>
        <source>the voltage &quot;%1&quot; is not a positive number of volts</source>
        <translation>la tension «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif de volts</translation>
    </message>
    <message>
        <source>the system &quot;%1&quot; is not 1ph, 3ph or dc</source>
        <translation>le système «&#xa0;%1&#xa0;» n&apos;est ni 1ph, ni 3ph, ni dc</translation>
    </message>
    <message>
        <source>the power factor &quot;%1&quot; is not 1, 0.9 or 0.8, the columns of Table D3</source>
        <translation>le facteur de puissance «&#xa0;%1&#xa0;» n&apos;est pas 1, 0.9 ou 0.8, les colonnes du tableau D3</translation>
    </message>
    <message>
        <source>the maximum drop &quot;%1&quot; is not a percentage above 0 and at most 100</source>
        <translation>la chute maximale «&#xa0;%1&#xa0;» n&apos;est pas un pourcentage supérieur à 0 et d&apos;au plus 100</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; needs a voltage to work out the voltage drop from</source>
        <translation>la longueur «&#xa0;%1&#xa0;» demande une tension pour calculer la chute de tension</translation>
    </message>
    <message>
        <source>the current &quot;%1&quot; is not a positive number of amperes</source>
        <translation>le courant «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif d&apos;ampères</translation>
    </message>
    <message>
        <source>the size &quot;%1&quot; is not in the list of this material&apos;s conductors</source>
        <translation>le calibre «&#xa0;%1&#xa0;» n&apos;est pas dans la liste des conducteurs de ce matériau</translation>
    </message>
    <message>
        <source>Table D3 gives no K for %1: its voltage drop cannot be worked out</source>
        <translation>le tableau D3 ne donne aucun K pour le %1&#xa0;: sa chute de tension ne peut pas être calculée</translation>
    </message>
    <message>
        <source>no conductor of Table D3 keeps the voltage drop within %1 %: the least is %2 % with %3; consider conductors in parallel</source>
        <translation>aucun conducteur du tableau D3 ne garde la chute de tension sous %1&#xa0;%&#xa0;: la plus faible est de %2&#xa0;% avec %3&#xa0;; envisagez des conducteurs en parallèle</translation>
    </message>
    <message>
        <source>only conductors above 1000 kcmil carry &quot;%1&quot; A, and Table D3 gives no K for them: consider conductors in parallel</source>
        <translation>seuls des conducteurs de plus de 1000 kcmil portent %1&#xa0;A, et le tableau D3 ne donne aucun K pour eux&#xa0;: envisagez des conducteurs en parallèle</translation>
    </message>
    <message>
        <source>no conductor carries &quot;%1&quot; A in %3 sets under these conditions: %3 sets of 2000 MCM carry %2 A, a continuous load of %4 A (Rule 8-104)</source>
        <translation>aucun conducteur ne porte %1&#xa0;A en %3 ensembles dans ces conditions&#xa0;: %3 ensembles de 2000 kcmil portent %2&#xa0;A, une charge continue de %4&#xa0;A (article 8-104)</translation>
    </message>
    <message>
        <source>no conductor carries &quot;%1&quot; A in %3 sets under these conditions: %3 sets of 2000 MCM carry %2 A</source>
        <translation>aucun conducteur ne porte %1&#xa0;A en %3 ensembles dans ces conditions&#xa0;: %3 ensembles de 2000 kcmil portent %2&#xa0;A</translation>
    </message>
    <message>
        <source>no conductor carries &quot;%1&quot; A under these conditions: 2000 MCM carries %2 A, a continuous load of %3 A (Rule 8-104)</source>
        <translation>aucun conducteur ne porte %1&#xa0;A dans ces conditions&#xa0;: le 2000 kcmil porte %2&#xa0;A, une charge continue de %3&#xa0;A (article 8-104)</translation>
    </message>
    <message>
        <source>continuous &quot;%1&quot; is not yes or no</source>
        <translation>continu «&#xa0;%1&#xa0;» n&apos;est ni oui ni non</translation>
    </message>
    <message>
        <source>the device rating &quot;%1&quot; is not 80 or 100 (%)</source>
        <translation>le calibre du dispositif «&#xa0;%1&#xa0;» n&apos;est ni 80 ni 100&#xa0;%</translation>
    </message>
    <message>
        <source>the sets &quot;%1&quot; is not a whole number from 1 to 10, or auto</source>
        <translation>le nombre d&apos;ensembles «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier de 1 à 10, ni auto</translation>
    </message>
    <message>
        <source>the largest size &quot;%1&quot; is not in the list of conductors</source>
        <translation>le calibre maximal «&#xa0;%1&#xa0;» n&apos;est pas dans la liste des conducteurs</translation>
    </message>
    <message>
        <source>the bonding material &quot;%1&quot; is not cu or al</source>
        <translation>le matériau de liaison «&#xa0;%1&#xa0;» n&apos;est ni cu ni al</translation>
    </message>
    <message>
        <source>a %2 A breaker is too small for a continuous load of &quot;%1&quot; A: at %3 % it carries %4 A (Rule 8-104)</source>
        <translation>un disjoncteur de %2&#xa0;A est trop petit pour une charge continue de %1&#xa0;A&#xa0;: à %3&#xa0;% il porte %4&#xa0;A (article 8-104)</translation>
    </message>
    <message>
        <source>a %2 A breaker is too small for a load of &quot;%1&quot; A</source>
        <translation>un disjoncteur de %2&#xa0;A est trop petit pour une charge de %1&#xa0;A</translation>
    </message>
    <message>
        <source>no breaker rating up to 6000 A carries &quot;%1&quot; A</source>
        <translation>aucun calibre de disjoncteur jusqu&apos;à 6000&#xa0;A ne porte %1&#xa0;A</translation>
    </message>
    <message>
        <source>no conductor carrying &quot;%1&quot; A may be protected by a %2 A breaker (Rule 14-104, Table 13): the largest allows %3 A</source>
        <translation>aucun conducteur portant %1&#xa0;A ne peut être protégé par un disjoncteur de %2&#xa0;A (article 14-104, tableau 13)&#xa0;: le plus gros permet %3&#xa0;A</translation>
    </message>
    <message>
        <source>even 10 parallel sets of conductors up to %2 do not meet every requirement for &quot;%1&quot; A</source>
        <translation>même 10 ensembles en parallèle de conducteurs d&apos;au plus %2 ne satisfont pas à toutes les exigences pour %1&#xa0;A</translation>
    </message>
    <message>
        <source>Table 16 names no bonding conductor above 6000 A: this circuit needs one for %1 A</source>
        <translation>le tableau 16 ne donne aucun conducteur de continuité des masses au-delà de 6000&#xa0;A&#xa0;: ce circuit en demande un pour %1&#xa0;A</translation>
    </message>
    <message>
        <source>; %1 parallel sets of %2 would (Rule 12-108)</source>
        <translation>&#xa0;; %1 ensembles en parallèle de %2 conviendraient (article 12-108)</translation>
    </message>
    <message>
        <source>the load &quot;%1&quot; is not a positive number of amperes (write it without the thousands space)</source>
        <translation>la charge «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif d&apos;ampères (écrivez-la sans l&apos;espace des milliers)</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; gives its length in a unit not known: m or ft (pi)</source>
        <translation>la colonne «&#xa0;%1&#xa0;» donne sa longueur dans une unité inconnue&#xa0;: m ou pi (ft)</translation>
    </message>
    <message>
        <source>the load &quot;%1&quot; is a power: it needs a voltage to work out its amperes</source>
        <translation>la charge «&#xa0;%1&#xa0;» est une puissance&#xa0;: il faut une tension pour en calculer les ampères</translation>
    </message>
    <message>
        <source>the motor &quot;%1&quot; is not a number of horsepower, as in 10hp, 7.5hp, 3/4hp or 1-1/2hp</source>
        <translation>le moteur «&#xa0;%1&#xa0;» n&apos;est pas une puissance en ch, comme 10ch, 7,5ch, 3/4ch ou 1-1/2ch</translation>
    </message>
    <message>
        <source>no conductor carries 125 % of the motor&apos;s %1 A in %3 sets under these conditions: %3 sets of 2000 MCM carry %2 A (Rule 28-106)</source>
        <translation>aucun conducteur ne porte 125&#xa0;% des %1&#xa0;A du moteur en %3 ensembles dans ces conditions&#xa0;: %3 ensembles de 2000 kcmil portent %2&#xa0;A (article 28-106)</translation>
    </message>
    <message>
        <source>no conductor carries 125 % of the motor&apos;s %1 A under these conditions: 2000 MCM carries %2 A (Rule 28-106)</source>
        <translation>aucun conducteur ne porte 125&#xa0;% des %1&#xa0;A du moteur dans ces conditions&#xa0;: le 2000 kcmil porte %2&#xa0;A (article 28-106)</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; gives its load in a unit not known: A, kVA, kW, VA, W or hp</source>
        <translation>la colonne «&#xa0;%1&#xa0;» donne sa charge dans une unité inconnue&#xa0;: A, kVA, kW, VA, W ou ch</translation>
    </message>
    <message>
        <source>motor &quot;%1&quot; is not yes or no</source>
        <translation>moteur «&#xa0;%1&#xa0;» n&apos;est ni oui ni non</translation>
    </message>
    <message>
        <source>the nameplate current &quot;%1&quot; is not a positive number of amperes</source>
        <translation>le courant de plaque «&#xa0;%1&#xa0;» n&apos;est pas un nombre positif d&apos;ampères</translation>
    </message>
    <message>
        <source>the protection &quot;%1&quot; is not breaker, fuse or time-delay-fuse</source>
        <translation>la protection «&#xa0;%1&#xa0;» n&apos;est ni disjoncteur, ni fusible, ni fusible temporisé</translation>
    </message>
    <message>
        <source>the starting &quot;%1&quot; is not full-voltage, resistor, reactor, autotransformer or star-delta</source>
        <translation>le démarrage «&#xa0;%1&#xa0;» n&apos;est ni pleine tension, ni résistance, ni réactance, ni autotransformateur, ni étoile-triangle</translation>
    </message>
    <message>
        <source>the motor type &quot;%1&quot; is not induction, synchronous or wound-rotor</source>
        <translation>le type de moteur «&#xa0;%1&#xa0;» n&apos;est ni induction, ni synchrone, ni rotor bobiné</translation>
    </message>
    <message>
        <source>the service factor &quot;%1&quot; is not a number of 1 or more</source>
        <translation>le facteur de service «&#xa0;%1&#xa0;» n&apos;est pas un nombre de 1 ou plus</translation>
    </message>
    <message>
        <source>the load &quot;%1&quot; is the motor&apos;s current in amperes and a nameplate current is given too: give it once</source>
        <translation>la charge «&#xa0;%1&#xa0;» est déjà le courant du moteur en ampères et un courant de plaque est donné aussi&#xa0;: donnez-le une seule fois</translation>
    </message>
    <message>
        <source>the motor &quot;%1&quot; needs a voltage to find its full-load current in Table 44 or 45</source>
        <translation>le moteur «&#xa0;%1&#xa0;» demande une tension pour trouver son courant à pleine charge au tableau 44 ou 45</translation>
    </message>
    <message>
        <source>Table %2 has no row for the motor &quot;%1&quot;: give its nameplate current (fla)</source>
        <translation>le tableau %2 n&apos;a pas de ligne pour le moteur «&#xa0;%1&#xa0;»&#xa0;: donnez son courant de plaque (fla)</translation>
    </message>
    <message>
        <source>Table %2 has no column for the motor &quot;%1&quot; at %3 V: give its nameplate current (fla)</source>
        <translation>le tableau %2 n&apos;a pas de colonne pour le moteur «&#xa0;%1&#xa0;» à %3&#xa0;V&#xa0;: donnez son courant de plaque (fla)</translation>
    </message>
    <message>
        <source>Table 45 stops at 10 hp for single-phase motors: give the nameplate current of the motor &quot;%1&quot; (fla)</source>
        <translation>le tableau 45 s&apos;arrête à 10&#xa0;ch pour les moteurs monophasés&#xa0;: donnez le courant de plaque du moteur «&#xa0;%1&#xa0;» (fla)</translation>
    </message>
    <message>
        <source>Table %2 gives no current for the motor &quot;%1&quot; at %3 V: give its nameplate current (fla)</source>
        <translation>le tableau %2 ne donne aucun courant pour le moteur «&#xa0;%1&#xa0;» à %3&#xa0;V&#xa0;: donnez son courant de plaque (fla)</translation>
    </message>
    <message>
        <source>Tables 44 and 45 are for ac motors: give the nameplate current of the dc motor &quot;%1&quot; (fla)</source>
        <translation>les tableaux 44 et 45 sont pour les moteurs à courant alternatif&#xa0;: donnez le courant de plaque du moteur à courant continu «&#xa0;%1&#xa0;» (fla)</translation>
    </message>
    <message>
        <source>a %2 A fuse is above the %3 A that Table 29 permits for a motor of %1 A (Rule 28-200)</source>
        <translation>un fusible de %2&#xa0;A dépasse les %3&#xa0;A que le tableau 29 permet pour un moteur de %1&#xa0;A (article 28-200)</translation>
    </message>
    <message>
        <source>a %2 A time-delay fuse is above the %3 A that Table 29 permits for a motor of %1 A (Rule 28-200)</source>
        <translation>un fusible temporisé de %2&#xa0;A dépasse les %3&#xa0;A que le tableau 29 permet pour un moteur de %1&#xa0;A (article 28-200)</translation>
    </message>
    <message>
        <source>a %2 A breaker is above the %3 A that Table 29 permits for a motor of %1 A (Rule 28-200)</source>
        <translation>un disjoncteur de %2&#xa0;A dépasse les %3&#xa0;A que le tableau 29 permet pour un moteur de %1&#xa0;A (article 28-200)</translation>
    </message>
    <message>
        <source>a %2 A fuse is below the motor&apos;s full-load current of %1 A</source>
        <translation>un fusible de %2&#xa0;A est inférieur au courant à pleine charge du moteur, %1&#xa0;A</translation>
    </message>
    <message>
        <source>a %2 A time-delay fuse is below the motor&apos;s full-load current of %1 A</source>
        <translation>un fusible temporisé de %2&#xa0;A est inférieur au courant à pleine charge du moteur, %1&#xa0;A</translation>
    </message>
    <message>
        <source>a %2 A breaker is below the motor&apos;s full-load current of %1 A</source>
        <translation>un disjoncteur de %2&#xa0;A est inférieur au courant à pleine charge du moteur, %1&#xa0;A</translation>
    </message>
    <message>
        <source>%2 &quot;%1&quot; is not yes or no</source>
        <translation>%2 «&#xa0;%1&#xa0;» n&apos;est ni oui ni non</translation>
    </message>
    <message>
        <source>the raceway &quot;%1&quot; is not one of %2</source>
        <translation>la canalisation «&#xa0;%1&#xa0;» n&apos;est pas l&apos;une de celles-ci&#xa0;: %2</translation>
    </message>
    <message>
        <source>%2 does not come in trade size &quot;%1&quot;: its sizes are %3</source>
        <translation>%2 n&apos;existe pas en dimension «&#xa0;%1&#xa0;»&#xa0;: ses dimensions sont %3</translation>
    </message>
    <message>
        <source>the wire type &quot;%1&quot; is not one of %2</source>
        <translation>le type de fil «&#xa0;%1&#xa0;» n&apos;est pas l&apos;un de ceux-ci&#xa0;: %2</translation>
    </message>
    <message>
        <source>the wire voltage &quot;%1&quot; is not 600, 1000 or 2000 (V)</source>
        <translation>la tension du fil «&#xa0;%1&#xa0;» n&apos;est ni 600, ni 1000, ni 2000&#xa0;V</translation>
    </message>
    <message>
        <source>Table 6 does not list %1 in the class asked for: it lists it in %2</source>
        <translation>le tableau 6 ne donne pas %1 dans la classe demandée&#xa0;: il le donne au %2</translation>
    </message>
    <message>
        <source>the insulation %1 °C is above the rating of %2 wire, %3 °C (Table 19)</source>
        <translation>l&apos;isolant de %1&#xa0;°C dépasse la température nominale du fil %2, %3&#xa0;°C (tableau 19)</translation>
    </message>
    <message>
        <source>Table 6 lists solid conductors from 14 to 10 AWG: %1 is not one</source>
        <translation>le tableau 6 donne les conducteurs massifs de 14 à 10 AWG&#xa0;: %1 n&apos;en fait pas partie</translation>
    </message>
    <message>
        <source>Table %2 lists no solid %1 conductor of %3</source>
        <translation>le tableau %2 ne donne aucun conducteur %1 massif de %3</translation>
    </message>
    <message>
        <source>Table %2 lists %1 up to %3</source>
        <translation>le tableau %2 donne le %1 jusqu&apos;à %3</translation>
    </message>
    <message>
        <source>no trade size of %1 holds these %2 conductors of %3 mm² in all: %4 would be %5 % full where Table 8 allows %6 % (Rule 12-910)</source>
        <translation>aucune dimension de %1 ne contient ces %2 conducteurs de %3&#xa0;mm² au total&#xa0;: en %4, le remplissage serait de %5&#xa0;%, là où le tableau 8 permet %6&#xa0;% (article 12-910)</translation>
    </message>
    <message>
        <source>the conductors &quot;%1&quot; are not written COUNTxSIZE or COUNTxSIZE:WIRE, as in 3x6, 4x1/0 or 1x10:TWN75</source>
        <translation>les conducteurs «&#xa0;%1&#xa0;» ne s&apos;écrivent pas NOMBRExCALIBRE ou NOMBRExCALIBRE:FIL, comme 3x6, 4x1/0 ou 1x10:TWN75</translation>
    </message>
    <message>
        <source>the count &quot;%1&quot; is not a whole number of conductors from 1 to 200</source>
        <translation>le nombre «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier de conducteurs de 1 à 200</translation>
    </message>
    <message>
        <source>the size &quot;%1&quot; is not one of Table 6, 14 AWG to 2000 kcmil</source>
        <translation>le calibre «&#xa0;%1&#xa0;» n&apos;est pas au tableau 6, de 14 AWG à 2000 kcmil</translation>
    </message>
    <message>
        <source>a formula in this row has no value saved with it: open the workbook in a spreadsheet and save it again</source>
        <translation>une formule de cette ligne n&apos;a pas de valeur enregistrée&#xa0;: ouvrez le classeur dans un tableur et enregistrez-le de nouveau</translation>
    </message>
</context>
<context>
    <name>Wire sizes</name>
    <message>
        <source>     14 AWG</source>
        <translation>     14 AWG</translation>
    </message>
    <message>
        <source>     12 AWG</source>
        <translation>     12 AWG</translation>
    </message>
    <message>
        <source>     10 AWG</source>
        <translation>     10 AWG</translation>
    </message>
    <message>
        <source>       8 AWG</source>
        <translation>       8 AWG</translation>
    </message>
    <message>
        <source>       6 AWG</source>
        <translation>       6 AWG</translation>
    </message>
    <message>
        <source>       4 AWG</source>
        <translation>       4 AWG</translation>
    </message>
    <message>
        <source>       3 AWG</source>
        <translation>       3 AWG</translation>
    </message>
    <message>
        <source>       2 AWG</source>
        <translation>       2 AWG</translation>
    </message>
    <message>
        <source>       1 AWG</source>
        <translation>       1 AWG</translation>
    </message>
    <message>
        <source>   1/0 AWG</source>
        <translation>   1/0 AWG</translation>
    </message>
    <message>
        <source>   2/0 AWG</source>
        <translation>   2/0 AWG</translation>
    </message>
    <message>
        <source>   3/0 AWG</source>
        <translation>   3/0 AWG</translation>
    </message>
    <message>
        <source>   4/0 AWG</source>
        <translation>   4/0 AWG</translation>
    </message>
    <message>
        <source>   250 MCM</source>
        <translation>   250 kcmil</translation>
    </message>
    <message>
        <source>   300 MCM</source>
        <translation>   300 kcmil</translation>
    </message>
    <message>
        <source>   350 MCM</source>
        <translation>   350 kcmil</translation>
    </message>
    <message>
        <source>   400 MCM</source>
        <translation>   400 kcmil</translation>
    </message>
    <message>
        <source>   500 MCM</source>
        <translation>   500 kcmil</translation>
    </message>
    <message>
        <source>   600 MCM</source>
        <translation>   600 kcmil</translation>
    </message>
    <message>
        <source>   750 MCM</source>
        <translation>   750 kcmil</translation>
    </message>
    <message>
        <source> 1000 MCM</source>
        <translation> 1000 kcmil</translation>
    </message>
    <message>
        <source> 1250 MCM</source>
        <translation> 1250 kcmil</translation>
    </message>
    <message>
        <source> 1500 MCM</source>
        <translation> 1500 kcmil</translation>
    </message>
    <message>
        <source> 1750 MCM</source>
        <translation> 1750 kcmil</translation>
    </message>
    <message>
        <source> 2000 MCM</source>
        <translation> 2000 kcmil</translation>
    </message>
    <message>
        <source>   700 MCM</source>
        <translation>   700 kcmil</translation>
    </message>
    <message>
        <source>   800 MCM</source>
        <translation>   800 kcmil</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>this workbook is encrypted: save it without a password first</source>
        <translation>ce classeur est chiffré&#xa0;: enregistrez-le d&apos;abord sans mot de passe</translation>
    </message>
    <message>
        <source>this is an Excel 97-2003 workbook (.xls): save it as .xlsx or CSV first (Excel: File, Save As, &quot;Excel Workbook (*.xlsx)&quot;; LibreOffice Calc: File, Save As, &quot;Excel 2007-365 (.xlsx)&quot;)</source>
        <translation>c&apos;est un classeur Excel 97-2003 (.xls)&#xa0;: enregistrez-le d&apos;abord en .xlsx ou en CSV (Excel&#xa0;: Fichier, Enregistrer sous, «&#xa0;Classeur Excel (*.xlsx)&#xa0;»&#xa0;; LibreOffice Calc&#xa0;: Fichier, Enregistrer sous, «&#xa0;Excel 2007-365 (.xlsx)&#xa0;»)</translation>
    </message>
    <message>
        <source>this zip file is not a spreadsheet&apos;s workbook (.xlsx or .ods)</source>
        <translation>ce fichier zip n&apos;est pas un classeur de tableur (.xlsx ou .ods)</translation>
    </message>
    <message>
        <source>this workbook is damaged or cut short: it cannot be read</source>
        <translation>ce classeur est endommagé ou tronqué&#xa0;: il ne peut pas être lu</translation>
    </message>
    <message>
        <source>this workbook holds a part that would inflate beyond what a schedule needs (more than 1 GB, or 100 times its size): it is not read</source>
        <translation>ce classeur contient une partie qui se décompresserait bien au-delà de ce qu&apos;il faut à un tableau de câblage (plus de 1&#xa0;Go, ou 100 fois sa taille)&#xa0;: il n&apos;est pas lu</translation>
    </message>
    <message>
        <source>this workbook&apos;s XML declares a document type, which no spreadsheet writes: it is not read</source>
        <translation>le XML de ce classeur déclare un type de document, ce qu&apos;aucun tableur n&apos;écrit&#xa0;: il n&apos;est pas lu</translation>
    </message>
    <message>
        <source>no sheet is named so: its sheets are %1</source>
        <translation>aucune feuille ne porte ce nom&#xa0;: ses feuilles sont %1</translation>
    </message>
    <message>
        <source>this sheet holds more than a schedule can (beyond 1,048,576 rows, 16,384 columns or 256 MB of text): it is not read</source>
        <translation>cette feuille contient plus que ne peut en tenir un tableau de câblage (au-delà de 1&#xa0;048&#xa0;576 lignes, 16&#xa0;384 colonnes ou 256&#xa0;Mo de texte)&#xa0;: elle n&apos;est pas lue</translation>
    </message>
</context>
</TS>
