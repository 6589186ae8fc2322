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
        <source>raceway (in a raceway or cable, Tables 2 and 4) or free-air (Tables 1 and 3) (raceway).</source>
        <translation>raceway (canalisation ou câble, tableaux 2 et 4) ou free-air (air libre, tableaux 1 et 3) (raceway).</translation>
    </message>
    <message>
        <source>Insulation temperature rating, °C: 60, 75 or 90 (60).</source>
        <translation>Température nominale de l&apos;isolant, en&#xa0;°C&#xa0;: 60, 75 ou 90 (60).</translation>
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
        <source>Size every row of a cable schedule: a CSV file whose header names a load column, and optionally material, installation, insulation, ambient and conductors; - reads standard input.</source>
        <translation>Choisit le conducteur de chaque ligne d&apos;un tableau de câblage&#xa0;: un fichier CSV dont l&apos;en-tête nomme une colonne load et, au besoin, material, installation, insulation, ambient et conductors&#xa0;; - lit l&apos;entrée standard.</translation>
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
        <source>Allowable ampacity of insulated conductors from the Canadian Electrical Code.
Without a command, opens the calculator&apos;s window.

Commands:
  size LOAD              the smallest conductor whose corrected ampacity, as the
                         window shows it, is at least LOAD amperes
  size --schedule FILE   the same for every row of a cable schedule
  table N                Table N (1 to 4) with its 60, 75 and 90 °C columns

Exit status: 0 answered; 1 a load no conductor carries, or schedule rows with
a problem (the other rows are sized); 2 bad input.</source>
        <translation>Courant admissible des conducteurs isolés selon le Code canadien de l&apos;électricité.
Sans commande, ouvre la fenêtre de la calculatrice.

Commandes&#xa0;:
  size CHARGE            le plus petit conducteur dont le courant admissible corrigé,
                         tel que l&apos;affiche la fenêtre, atteint CHARGE ampères
  size --schedule FICHIER
                         la même chose pour chaque ligne d&apos;un tableau de câblage
  table N                le tableau N (1 à 4) avec ses colonnes de 60, 75 et 90&#xa0;°C

Code de sortie&#xa0;: 0 réponse donnée&#xa0;; 1 une charge qu&apos;aucun conducteur ne porte,
ou des lignes en défaut dans le tableau de câblage (les autres sont traitées)&#xa0;;
2 entrée invalide.</translation>
    </message>
    <message>
        <source>size or table</source>
        <translation>size ou table</translation>
    </message>
    <message>
        <source>the load in amperes, or the table number</source>
        <translation>la charge en ampères, ou le numéro du tableau</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: try size, table or --help</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»&#xa0;: essayez size, table ou --help</translation>
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
        <source>the installation &quot;%1&quot; is not raceway or free-air</source>
        <translation>l&apos;installation «&#xa0;%1&#xa0;» n&apos;est ni raceway ni free-air</translation>
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
</context>
</TS>
