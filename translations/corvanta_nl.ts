<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>bevestigd</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>bordmenu</name>
    <message>
        <source>standings over the years</source>
        <translation>stand per boekjaar</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>volledig scherm</translation>
    </message>
    <message>
        <source>class view</source>
        <translation>klasweergave</translation>
    </message>
    <message>
        <source>language</source>
        <comment>menu of the languages the program speaks</comment>
        <translation>taal</translation>
    </message>
    <message>
        <source>round timer...</source>
        <translation>rondetimer...</translation>
    </message>
    <message>
        <source>pause timer</source>
        <translation>timer pauzeren</translation>
    </message>
    <message>
        <source>start timer</source>
        <translation>timer starten</translation>
    </message>
    <message>
        <source>set timer back</source>
        <translation>timer terugzetten</translation>
    </message>
    <message>
        <source>mute chime</source>
        <translation>belsignaal dempen</translation>
    </message>
</context>
<context>
    <name>cls_applicatie</name>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>Corvanta</source>
        <comment>title of an error message</comment>
        <translation>Corvanta</translation>
    </message>
</context>
<context>
    <name>cls_programma</name>
    <message>
        <source>Corvanta</source>
        <comment>a message&apos;s title</comment>
        <translation>Corvanta</translation>
    </message>
    <message>
        <source>The standings cannot be shown: %1</source>
        <translation>De stand kan niet worden getoond: %1</translation>
    </message>
</context>
<context>
    <name>frm_klas</name>
    <message>
        <source>fiscal year</source>
        <comment>the round of the game, heading of its number</comment>
        <translation>boekjaar</translation>
    </message>
    <message>
        <source>fiscal year heading</source>
        <translation>kop boekjaar</translation>
    </message>
    <message>
        <source>frame of square %1</source>
        <translation>rand van vak %1</translation>
    </message>
    <message>
        <source>number of square %1</source>
        <translation>nummer van vak %1</translation>
    </message>
    <message>
        <source>class view</source>
        <comment>window title</comment>
        <translation>klasweergave</translation>
    </message>
    <message>
        <source>fiscal year %1</source>
        <comment>a screen reader&apos;s name of the year&apos;s number</comment>
        <translation>boekjaar %1</translation>
    </message>
    <message>
        <source>square %1, %2</source>
        <comment>a system&apos;s share: the square, then the team&apos;s name</comment>
        <translation>vak %1, %2</translation>
    </message>
    <message>
        <source>replay</source>
        <comment>band over a closed year&apos;s board shown again in the debrief</comment>
        <translation>terugblik</translation>
    </message>
    <message>
        <source>replay of fiscal year %1</source>
        <translation>terugblik op boekjaar %1</translation>
    </message>
    <message>
        <source>%1, new this year</source>
        <comment>a system&apos;s share placed in the year replayed</comment>
        <translation>%1, nieuw dit jaar</translation>
    </message>
    <message>
        <source>new</source>
        <comment>a system placed in the year</comment>
        <translation>nieuw</translation>
    </message>
    <message>
        <source>taken away</source>
        <comment>a system taken away</comment>
        <translation>weggehaald</translation>
    </message>
    <message>
        <source>%1, taken away this year</source>
        <comment>the pawn of a system taken away in the year replayed</comment>
        <translation>%1, dit jaar weggehaald</translation>
    </message>
</context>
<context>
    <name>frm_klok</name>
    <message>
        <source>round timer</source>
        <translation>rondetimer</translation>
    </message>
    <message>
        <source>time for one fiscal year (minutes:seconds)</source>
        <translation>tijd voor één boekjaar (minuten:seconden)</translation>
    </message>
    <message>
        <source>time for one fiscal year, minutes and seconds</source>
        <translation>tijd voor één boekjaar, minuten en seconden</translation>
    </message>
    <message>
        <source>Type a time from 0:10 to 59:59: minutes and seconds, such as 2:30, or whole minutes, such as 7.</source>
        <translation>Typ een tijd van 0:10 tot 59:59: minuten en seconden, zoals 2:30, of hele minuten, zoals 7.</translation>
    </message>
</context>
<context>
    <name>frm_pion</name>
    <message>
        <source>red square</source>
        <translation>rood vierkant</translation>
    </message>
    <message>
        <source>red disc</source>
        <translation>rode schijf</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>rode driehoek</translation>
    </message>
    <message>
        <source>red star</source>
        <translation>rode ster</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>groen vierkant</translation>
    </message>
    <message>
        <source>green disc</source>
        <translation>groene schijf</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>groene driehoek</translation>
    </message>
    <message>
        <source>green star</source>
        <translation>groene ster</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blauw vierkant</translation>
    </message>
    <message>
        <source>blue disc</source>
        <translation>blauwe schijf</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>blauwe driehoek</translation>
    </message>
    <message>
        <source>blue star</source>
        <translation>blauwe ster</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>geel vierkant</translation>
    </message>
    <message>
        <source>yellow disc</source>
        <translation>gele schijf</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>gele driehoek</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>gele ster</translation>
    </message>
    <message>
        <source>pawns</source>
        <comment>title of a window that is never shown: it holds the pawn pictures</comment>
        <translation>pionnen</translation>
    </message>
    <message>
        <source>pawn %1, %2</source>
        <translation>pion %1, %2</translation>
    </message>
</context>
<context>
    <name>frm_speelbord</name>
    <message>
        <source>Corvanta 5</source>
        <comment>the window&apos;s title: the game&apos;s name and edition</comment>
        <translation>Corvanta 5</translation>
    </message>
    <message>
        <source>fiscal year %1</source>
        <comment>a screen reader&apos;s name of the year&apos;s number</comment>
        <translation>boekjaar %1</translation>
    </message>
    <message>
        <source>Corvanta</source>
        <comment>title of the exit confirmation: the program&apos;s name</comment>
        <translation>Corvanta</translation>
    </message>
    <message>
        <source>Do you want to close the application?</source>
        <translation>wilt u de applicatie afsluiten?</translation>
    </message>
    <message>
        <source>market share on line %1 of square %2</source>
        <translation>marktaandeel op regel %1 van vak %2</translation>
    </message>
    <message>
        <source>board picture</source>
        <translation>achtergrond van het bord</translation>
    </message>
    <message>
        <source>scoreboard background</source>
        <translation>achtergrond van het scorebord</translation>
    </message>
    <message>
        <source>fiscal year</source>
        <comment>the round of the game, heading of its number</comment>
        <translatorcomment>Glossary, for every text of Corvanta in Dutch. Words a Dutch teacher uses in class with twelve-year-olds; the same English word always gets the same Dutch one.
fiscal year = boekjaar (a round of the game)
market share = marktaandeel; share = aandeel
biz unit = bedrijf (a team as the board calls it); team = team
square = vak (one of the nine markets); segment = segment (the same square, as the add-systems dialog heads it)
system = systeem; add systems = systemen plaatsen (placing and taking away alike) on the board&apos;s buttons; plaatsen on the add-systems dialog&apos;s button, where the longer form leaves the text a pixel from the frame (the dialog&apos;s title already says systemen)
add teams = teams toevoegen; pawn = pion
rewind = terug; forward = vooruit
standings = stand (of a game, not &quot;klassement&quot;); class view = klasweergave; full screen = volledig scherm; language = taal
chosen = gekozen; not chosen = niet gekozen
Colours and shapes agree: rood vierkant (het), rode schijf/driehoek/ster (de).
Lengths: Dutch runs longer than English; a caption must fit its control at the board&apos;s smallest size (the window tests check it). Choose a shorter word rather than a smaller font.</translatorcomment>
        <translation>boekjaar</translation>
    </message>
    <message>
        <source>fiscal year heading</source>
        <translation>kop boekjaar</translation>
    </message>
    <message>
        <source>fiscal year</source>
        <comment>the round of the game; a screen reader hears the number after it</comment>
        <translation>boekjaar</translation>
    </message>
    <message>
        <source>biz unit</source>
        <comment>a team, as the board calls it; column heading over the team names</comment>
        <translation>bedrijf</translation>
    </message>
    <message>
        <source>biz unit column heading</source>
        <translation>kolomkop bedrijf</translation>
    </message>
    <message>
        <source>   share</source>
        <comment>column heading over the teams&apos; total market shares; the three leading blanks move it over the numbers</comment>
        <translation>   aandeel</translation>
    </message>
    <message>
        <source>share column heading</source>
        <translation>kolomkop aandeel</translation>
    </message>
    <message>
        <source>pawn of team in row %1</source>
        <translation>pion van het team in rij %1</translation>
    </message>
    <message>
        <source>frame of square %1</source>
        <translation>rand van vak %1</translation>
    </message>
    <message>
        <source>number of square %1</source>
        <translation>nummer van vak %1</translation>
    </message>
    <message>
        <source>market share</source>
        <comment>heading over a square&apos;s systems and their shares</comment>
        <translation>marktaandeel</translation>
    </message>
    <message>
        <source>market share heading of square %1</source>
        <translation>kop marktaandeel van vak %1</translation>
    </message>
    <message>
        <source>line under the heading of square %1</source>
        <translation>lijn onder de kop van vak %1</translation>
    </message>
    <message>
        <source>rewind</source>
        <comment>button: back one whole round</comment>
        <translation>terug</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>button: on to the next round</comment>
        <translation>vooruit</translation>
    </message>
    <message>
        <source>name of team in row %1</source>
        <translation>naam van het team in rij %1</translation>
    </message>
    <message>
        <source>market share of team in row %1</source>
        <translation>marktaandeel van het team in rij %1</translation>
    </message>
    <message>
        <source>add systems</source>
        <comment>button of a square: opens the dialog that places and removes systems</comment>
        <translation>systemen plaatsen</translation>
    </message>
    <message>
        <source>add systems to square %1</source>
        <translation>systemen plaatsen in vak %1</translation>
    </message>
    <message>
        <source>Corvanta 5 - class view: replay of fiscal year %1</source>
        <comment>the window&apos;s title while the class view replays a year</comment>
        <translation>Corvanta 5 - klasweergave: terugblik op boekjaar %1</translation>
    </message>
</context>
<context>
    <name>frm_standen</name>
    <message>
        <source>standings</source>
        <comment>window title</comment>
        <translation>stand</translation>
    </message>
    <message>
        <source>standings chart</source>
        <translation>grafiek van de stand</translation>
    </message>
    <message>
        <source>market share per fiscal year</source>
        <translation>marktaandeel per boekjaar</translation>
    </message>
    <message>
        <source>market share (%)</source>
        <comment>title of the chart&apos;s axis of the shares</comment>
        <translation>marktaandeel (%)</translation>
    </message>
    <message>
        <source>end of fiscal year (hollow: now, the year being played)</source>
        <comment>title of the chart&apos;s axis of the rounds</comment>
        <translation>eind van het boekjaar (open: nu, het lopende jaar)</translation>
    </message>
    <message>
        <source>%1, now, in fiscal year %2: %3</source>
        <comment>the tooltip of a point of the year being played: the team&apos;s name, the year, its share as it stands</comment>
        <translation>%1, nu, in boekjaar %2: %3</translation>
    </message>
    <message>
        <source>%1, end of fiscal year %2: %3</source>
        <comment>a point&apos;s tooltip: the team&apos;s name, the year, its share when the year closed</comment>
        <translation>%1, eind van boekjaar %2: %3</translation>
    </message>
</context>
<context>
    <name>frm_voeg_speler_toe</name>
    <message>
        <source>team</source>
        <comment>column heading over the name boxes</comment>
        <translation>team</translation>
    </message>
    <message>
        <source>team column</source>
        <translation>kolom team</translation>
    </message>
    <message>
        <source>pawn</source>
        <comment>column heading over the teams&apos; pawn pictures</comment>
        <translation>pion</translation>
    </message>
    <message>
        <source>pawn column</source>
        <translation>kolom pion</translation>
    </message>
    <message>
        <source>name of team %1</source>
        <translation>naam van team %1</translation>
    </message>
    <message>
        <source>pawn of team %1</source>
        <translation>pion van team %1</translation>
    </message>
    <message>
        <source>add teams</source>
        <comment>button: makes the teams of the names typed</comment>
        <translation>teams toevoegen</translation>
    </message>
    <message>
        <source>teams</source>
        <comment>window title</comment>
        <translation>teams</translation>
    </message>
</context>
<context>
    <name>frm_voeg_systeem_toe</name>
    <message>
        <source>team %1, without a system</source>
        <translation>team %1, zonder systeem</translation>
    </message>
    <message>
        <source>team %1, with a system</source>
        <translation>team %1, met systeem</translation>
    </message>
    <message>
        <source>add systems</source>
        <comment>button: places and removes the systems chosen, then closes</comment>
        <translation>plaatsen</translation>
    </message>
    <message>
        <source>systems</source>
        <comment>window title</comment>
        <translation>systemen</translation>
    </message>
    <message>
        <source>Keys 1 to 4 move the team in that row between the columns, as a click on its pawn does; add systems applies the choice.</source>
        <translation>De toetsen 1 tot en met 4 zetten het team in die rij in de andere kolom, zoals een klik op zijn pion; plaatsen voert de keuze uit.</translation>
    </message>
    <message>
        <source>segment %1</source>
        <comment>heading of the dialog: the square&apos;s number follows</comment>
        <translation>segment %1</translation>
    </message>
    <message>
        <source>not chosen</source>
        <comment>a team without a system on the square</comment>
        <translation>niet gekozen</translation>
    </message>
    <message>
        <source>chosen</source>
        <comment>a team with a system on the square</comment>
        <translation>gekozen</translation>
    </message>
</context>
<context>
    <name>klok_label</name>
    <message>
        <source>round timer</source>
        <translation>rondetimer</translation>
    </message>
    <message>
        <source>time&apos;s up</source>
        <translation>tijd is om</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>tijd over</translation>
    </message>
</context>
<context>
    <name>mdl_start</name>
    <message>
        <source>Game master&apos;s board for the classroom game Corvanta</source>
        <translation>Spelleidersbord voor het klassenspel Corvanta</translation>
    </message>
    <message>
        <source>code</source>
        <comment>value of --language</comment>
        <translation>code</translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1. Without it, the desktop&apos;s languages decide.</source>
        <translation>Spreek &lt;code&gt;, een van %1. Zonder deze optie beslissen de talen van het bureaublad.</translation>
    </message>
    <message>
        <source>corvanta: no such language: %1 (choose one of %2)</source>
        <translation>corvanta: onbekende taal: %1 (kies een van %2)</translation>
    </message>
</context>
<context>
    <name>rondeklok</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>round timer, time&apos;s up</source>
        <translation>rondetimer, de tijd is om</translation>
    </message>
    <message>
        <source>round timer, last minute, %1 left</source>
        <translation>rondetimer, laatste minuut, nog %1</translation>
    </message>
    <message>
        <source>round timer, %1 left</source>
        <translation>rondetimer, nog %1</translation>
    </message>
    <message>
        <source>round timer running, last minute</source>
        <translation>rondetimer loopt, laatste minuut</translation>
    </message>
    <message>
        <source>round timer running, at most %1 left</source>
        <translation>rondetimer loopt, nog hooguit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>standen</name>
    <message>
        <source>this build of Corvanta was made without Qt Charts.</source>
        <translation>deze versie van Corvanta is gebouwd zonder Qt Charts.</translation>
    </message>
</context>
</TS>
