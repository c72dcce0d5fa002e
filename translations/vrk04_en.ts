<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="cs_CZ">
<context>
    <name>ConfigFileActions</name>
    <message>
        <source>Uložit konfiguraci</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Otevřít konfiguraci</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Obraz konfigurace (*.bin)</source>
        <translation>Configuration image (*.bin)</translation>
    </message>
    <message>
        <source>Všechny soubory (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>
Konfigurace zůstává beze změny.</source>
        <translation>
The configuration stays unchanged.</translation>
    </message>
    <message>
        <source>Načteno ze souboru %1</source>
        <translation>Loaded from file %1</translation>
    </message>
    <message>
        <source>
Soubor nebyl uložen.</source>
        <translation>
The file was not saved.</translation>
    </message>
    <message>
        <source>Uloženo do souboru %1</source>
        <translation>Saved to file %1</translation>
    </message>
    <message>
        <source>
Ověření neproběhlo.</source>
        <translation>
No verification took place.</translation>
    </message>
    <message>
        <source>Konfigurace jako JSON (*.json)</source>
        <translation>Configuration as JSON (*.json)</translation>
    </message>
    <message>
        <source>Konfigurace jako CSV (*.csv)</source>
        <translation>Configuration as CSV (*.csv)</translation>
    </message>
    <message>
        <source>Konfigurace (*.bin *.json *.csv)</source>
        <translation>Configuration (*.bin *.json *.csv)</translation>
    </message>
    <message>
        <source>List pro zákazníka (*.pdf)</source>
        <translation>Sheet for the customer (*.pdf)</translation>
    </message>
    <message>
        <source>Soubor %1: %2.
Konfigurace zůstává beze změny.</source>
        <translation>File %1: %2.
The configuration stays unchanged.</translation>
    </message>
    <message>
        <source>Uložit záznam linky</source>
        <translation>Save line trace</translation>
    </message>
    <message>
        <source>Záznam linky (*.txt)</source>
        <translation>Line trace (*.txt)</translation>
    </message>
    <message>
        <source>Záznam linky uložen do souboru %1</source>
        <translation>Line trace saved to file %1</translation>
    </message>
</context>
<context>
    <name>ConfigWords</name>
    <message>
        <source>Tvar SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source>Výstup</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Akce</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Čas/s</source>
        <translation>Time/s</translation>
    </message>
    <message>
        <source>Oznam</source>
        <translation>Notify</translation>
    </message>
    <message>
        <source>Povel %1, %2</source>
        <translation>Command %1, %2</translation>
    </message>
    <message>
        <source>Výchozí stav RELE%1</source>
        <translation>Default state RELE%1</translation>
    </message>
    <message>
        <source>Pozice %1 (%2)</source>
        <translation>Position %1 (%2)</translation>
    </message>
    <message>
        <source>Pozice %1 až %2 (%3)</source>
        <translation>Positions %1 to %2 (%3)</translation>
    </message>
    <message>
        <source>Délka</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Povel %1</source>
        <translation>Command %1</translation>
    </message>
    <message>
        <source>%1: text SMS obsahuje znak, který nelze uložit ve znakové sadě Windows-1250.</source>
        <translation>%1: the SMS text contains a character that cannot be stored in the Windows-1250 character set.</translation>
    </message>
    <message>
        <source>%1: text SMS obsahuje znak „˙“, který modul nedokáže uložit.</source>
        <translation>%1: the SMS text contains the character “˙”, which the module cannot store.</translation>
    </message>
    <message>
        <source>%1: čas „%2“ není celé číslo.</source>
        <translation>%1: the time “%2” is not a whole number.</translation>
    </message>
    <message>
        <source>povel %1, text SMS, znak %2</source>
        <translation>command %1, SMS text, character %2</translation>
    </message>
    <message>
        <source>výchozí stavy výstupů, bajt %1</source>
        <translation>default output states, byte %1</translation>
    </message>
    <message>
        <source>výstup</source>
        <translation>output</translation>
    </message>
    <message>
        <source>akce</source>
        <translation>action</translation>
    </message>
    <message>
        <source>čas a oznam</source>
        <translation>time and notify</translation>
    </message>
    <message>
        <source>povel %1, záznam, %2</source>
        <translation>command %1, record, %2</translation>
    </message>
    <message>
        <source>výplň</source>
        <translation>fill</translation>
    </message>
    <message>
        <source>za koncem obrazu</source>
        <translation>past the end of the image</translation>
    </message>
    <message>
        <source>chybí</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>pozice %1 (%2): %3 %4, %5 %6</source>
        <translation>position %1 (%2): %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Soubor %1 nelze uložit: %2.</source>
        <translation>File %1 cannot be saved: %2.</translation>
    </message>
    <message>
        <source>má %1 B, povoleno je nejvýše %2 B</source>
        <translation>it has %1 B, at most %2 B are allowed</translation>
    </message>
    <message>
        <source>je to složka</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>soubor neexistuje</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>přístup odepřen</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>má %1 B, konfigurační obraz má nejméně %2 B</source>
        <translation>it has %1 B, a configuration image has at least %2 B</translation>
    </message>
    <message>
        <source>bajt 0x%1 na pozici %2 (%3) nelze dekódovat</source>
        <translation>byte 0x%1 at position %2 (%3) cannot be decoded</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2.</source>
        <translation>File %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>Soubor %1 není konfigurační obraz: %2.</source>
        <translation>File %1 is not a configuration image: %2.</translation>
    </message>
    <message>
        <source>složka %1 neexistuje</source>
        <translation>folder %1 does not exist</translation>
    </message>
    <message>
        <source>do složky %1 nelze zapisovat</source>
        <translation>folder %1 is not writable</translation>
    </message>
    <message>
        <source>zápis se nedokončil (plný disk?)</source>
        <translation>the write did not complete (disk full?)</translation>
    </message>
    <message>
        <source>zápis selhal (%1)</source>
        <translation>the write failed (%1)</translation>
    </message>
    <message>
        <source>není to obyčejný soubor, ale zařízení, roura nebo soket</source>
        <translation>it is not a regular file but a device, a pipe or a socket</translation>
    </message>
    <message>
        <source>č.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>
Výchozí stavy: </source>
        <translation>
Default states: </translation>
    </message>
    <message>
        <source>soubor je jen pro čtení</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>Akce %1 k výstupu %2 nepatří: modul provede %3; zvolte jinou akci nebo jiný výstup.</source>
        <translation>Action %1 does not go with output %2: the module will do %3; choose another action or another output.</translation>
    </message>
    <message>
        <source>Akce %1 k výstupu %2 nepatří a modul pro její kód u tohoto výstupu žádnou akci nemá; zvolte jinou akci nebo jiný výstup.</source>
        <translation>Action %1 does not go with output %2, and the module has no action of its code for this output; choose another action or another output.</translation>
    </message>
    <message>
        <source>Stejný text má i povel %1: modul povely nerozliší a provede jen jeden z nich; jeden z textů změňte.</source>
        <translation>Command %1 has the same text: the module cannot tell the commands apart and will carry out only one of them; change one of the texts.</translation>
    </message>
    <message>
        <source>Stejný text mají i povely %1: modul povely nerozliší a provede jen jeden z nich; texty odlište.</source>
        <translation>Commands %1 have the same text: the module cannot tell the commands apart and will carry out only one of them; make the texts differ.</translation>
    </message>
    <message>
        <source>Znak %1 není v abecedě GSM: telefon pošle SMS jako UCS-2 a modul povel nemusí poznat; napište ho jinak, například bez diakritiky.</source>
        <translation>Character %1 is not in the GSM alphabet: a phone sends the SMS as UCS-2 and the module may not recognise the command; write it otherwise, for example without diacritics.</translation>
    </message>
    <message>
        <source>Znaky %1 nejsou v abecedě GSM: telefon pošle SMS jako UCS-2 a modul povel nemusí poznat; napište je jinak, například bez diakritiky.</source>
        <translation>Characters %1 are not in the GSM alphabet: a phone sends the SMS as UCS-2 and the module may not recognise the command; write them otherwise, for example without diacritics.</translation>
    </message>
    <message>
        <source>Text začíná mezerou, kterou telefon i člověk snadno vynechá, a modul pak povel nepozná; mezeru smažte.</source>
        <translation>The text starts with a space, which phones and people easily leave out, and the module then does not recognise the command; delete the space.</translation>
    </message>
    <message>
        <source>Text končí mezerou, kterou telefon i člověk snadno vynechá, a modul pak povel nepozná; mezeru smažte.</source>
        <translation>The text ends with a space, which phones and people easily leave out, and the module then does not recognise the command; delete the space.</translation>
    </message>
    <message>
        <source>Text má dvě mezery za sebou, kde se snadno napíše jen jedna, a modul pak povel nepozná; nechte jednu.</source>
        <translation>The text has two spaces in a row, where one is easily typed, and the module then does not recognise the command; keep one.</translation>
    </message>
    <message>
        <source>Text se od povelu %1 liší jen velikostí písmen, diakritikou nebo mezerami: odesílatel snadno pošle ten druhý; odlište texty výrazněji.</source>
        <translation>The text differs from command %1 only in case, diacritics or spaces: a sender easily sends the other one; make the texts differ more.</translation>
    </message>
    <message>
        <source>Text se od povelů %1 liší jen velikostí písmen, diakritikou nebo mezerami: odesílatel snadno pošle jiný z nich; odlište texty výrazněji.</source>
        <translation>The text differs from commands %1 only in case, diacritics or spaces: a sender easily sends another of them; make the texts differ more.</translation>
    </message>
    <message>
        <source>Čas %1 s je mimo rozsah 0 až 90 s, který nabízí editor, a modul s ním nemusí pracovat, jak čekáte; zadejte 0 až 90 s.</source>
        <translation>The time %1 s is outside the range 0 to 90 s the editor offers, and the module may not handle it as you expect; enter 0 to 90 s.</translation>
    </message>
    <message>
        <source>Kód výstupu „%1“ nemá žádný výstup a modul povel neprovede, jak tabulka ukazuje; zvolte výstup znovu.</source>
        <translation>Output code “%1” has no output, and the module will not carry out the command as the table shows; choose the output again.</translation>
    </message>
    <message>
        <source>Kód akce „%1“ nemá u výstupu %2 žádnou akci a modul povel neprovede, jak tabulka ukazuje; zvolte akci znovu.</source>
        <translation>Action code “%1” has no action for output %2, and the module will not carry out the command as the table shows; choose the action again.</translation>
    </message>
    <message>
        <source>chyba</source>
        <translation>error</translation>
    </message>
    <message>
        <source>upozornění</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>povel %1: %2, %3: %4</source>
        <translation>command %1: %2, %3: %4</translation>
    </message>
    <message>
        <source>Kontrola: bez chyb a upozornění</source>
        <translation>Check: no errors or warnings</translation>
    </message>
    <message>
        <source>%1 chyba</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <source>%1 chyby</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>%1 chyb</source>
        <translation>%1 errors</translation>
    </message>
    <message numerus="yes">
        <source>%n upozornění</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message>
        <source>povel %1</source>
        <translation>command %1</translation>
    </message>
    <message>
        <source>povely %1</source>
        <translation>commands %1</translation>
    </message>
    <message>
        <source>Kontrola: %1, %2</source>
        <translation>Check: %1, %2</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>povel %1: %2 %3 → %4</source>
        <translation>command %1: %2 %3 → %4</translation>
    </message>
    <message>
        <source>Otisk konfigurace: %1</source>
        <translation>Configuration fingerprint: %1</translation>
    </message>
    <message>
        <source>%1: text SMS je delší než %2 znaků.</source>
        <translation>%1: the SMS text is longer than %2 characters.</translation>
    </message>
    <message>
        <source>%1: čas %2 s je mimo rozsah %3 až %4 s.</source>
        <translation>%1: the time %2 s is outside the range %3 to %4 s.</translation>
    </message>
    <message>
        <source>Znak %1 na pozici %2 nelze převést do znakové sady Windows-1250.
Data nebyla převzata.</source>
        <translation>Character %1 at position %2 cannot be converted to the Windows-1250 character set.
The data were not taken.</translation>
    </message>
    <message>
        <source>Data jsou příliš krátká: %1 znaků, potřeba je alespoň %2.</source>
        <translation>The data are too short: %1 characters, at least %2 are needed.</translation>
    </message>
    <message>
        <source>
Data nebyla převzata.</source>
        <translation>
The data were not taken.</translation>
    </message>
    <message>
        <source>Obraz v poli: %1.</source>
        <translation>The image in the box: %1.</translation>
    </message>
</context>
<context>
    <name>CustomerSheet</name>
    <message>
        <source>sepne</source>
        <translation>switches on</translation>
    </message>
    <message>
        <source>rozepne</source>
        <translation>switches off</translation>
    </message>
    <message>
        <source>impuls</source>
        <translation>pulse</translation>
    </message>
    <message>
        <source>přepne</source>
        <translation>toggles</translation>
    </message>
    <message>
        <source>test modulu</source>
        <translation>module test</translation>
    </message>
    <message>
        <source>restart modulu</source>
        <translation>module restart</translation>
    </message>
    <message>
        <source>Modul VRK-04: SMS povely</source>
        <translation>VRK-04 module: SMS commands</translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Otisk konfigurace: %1</source>
        <translation>Configuration fingerprint: %1</translation>
    </message>
    <message>
        <source>č.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Výstup</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Akce</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Čas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Prozvoní</source>
        <translation>Rings back</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>ne</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Výstupy po zapnutí modulu:</source>
        <translation>Outputs after the module is switched on:</translation>
    </message>
    <message>
        <source>RELE%1: %2</source>
        <translation>RELE%1: %2</translation>
    </message>
    <message>
        <source>sepnuto</source>
        <translation>on</translation>
    </message>
    <message>
        <source>rozepnuto</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Pozor</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>z modulu na %1</source>
        <translation>from the module on %1</translation>
    </message>
</context>
<context>
    <name>FailureNotice</name>
    <message>
        <source>Zkontrolujte kabel, zvolený port a napájení modulu, vyzkoušejte spojení tlačítkem TEST a zkuste to znovu.</source>
        <translation>Check the cable, the port chosen and the module’s power, try the link with the TEST button and try again.</translation>
    </message>
    <message>
        <source>Zápis neproběhl, do modulu se nic neposlalo: %1
Opravte povel v tabulce a zapište znovu.</source>
        <translation>The write did not take place, nothing was sent to the module: %1
Correct the command in the table and write again.</translation>
    </message>
    <message>
        <source>Zápis se nedokončil (po bajtu %1 z %2). Modul teď nemá platnou konfiguraci: vypněte ho a zapněte, pak zapište znovu.</source>
        <translation>The write did not finish (after byte %1 of %2). The module now holds no valid configuration: switch it off and on, then write again.</translation>
    </message>
    <message>
        <source>Zápis neproběhl: modul neodpověděl, jeho konfigurace zůstala beze změny.
%1</source>
        <translation>The write did not take place: the module did not answer, its configuration is unchanged.
%1</translation>
    </message>
    <message>
        <source>Modul nemá uloženou konfiguraci (jeho paměť je prázdná). Tabulka zůstala beze změny; upravte ji nebo otevřete ze souboru a zapište ji do modulu.</source>
        <translation>The module holds no configuration (its memory is empty). The table is unchanged; edit it or open one from a file, and write it to the module.</translation>
    </message>
    <message>
        <source>Data z modulu nejsou platná konfigurace. Tabulka zůstala beze změny; vyčtěte modul znovu, a když se to opakuje, zapište do něj konfiguraci.</source>
        <translation>The data from the module are not a valid configuration. The table is unchanged; read the module again, and if that happens again, write a configuration to it.</translation>
    </message>
    <message>
        <source>Vyčítání se nedokončilo (po bajtu %1 z %2). Tabulka zůstala beze změny.
%3</source>
        <translation>The read did not finish (after byte %1 of %2). The table is unchanged.
%3</translation>
    </message>
    <message>
        <source>Vyčítání neproběhlo: modul neodpověděl. Tabulka zůstala beze změny.
%1</source>
        <translation>The read did not take place: the module did not answer. The table is unchanged.
%1</translation>
    </message>
    <message>
        <source>Ověření se nedokončilo, modul nebyl porovnán s tabulkou.
%1</source>
        <translation>The verify did not finish; the module was not compared with the table.
%1</translation>
    </message>
    <message>
        <source>Modul obsahuje jinou konfiguraci než tabulka. První rozdíl: %1, v modulu %2, v tabulce %3 (rozdílů celkem: %4).
Zapište tabulku do modulu znovu, nebo ji z modulu vyčtěte.</source>
        <translation>The module holds another configuration than the table. First difference: %1, in the module %2, in the table %3 (%4 differences in all).
Write the table to the module again, or read it from the module.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>setup utility v %1 , build 4.1.2006</source>
        <translation>setup utility v %1 , build 4.1.2006</translation>
    </message>
    <message>
        <source>VRK-04 server setup utility     </source>
        <translation>VRK-04 server setup utility     </translation>
    </message>
    <message>
        <source>Tabulka SMS Povelů</source>
        <translation>SMS Command Table</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Výchozí stavy výstupů uložené v EEPROM</source>
        <translation>Default output states stored in EEPROM</translation>
    </message>
    <message>
        <source>Při každé změně povelem se nastavení přepisuje !!</source>
        <translation>Every change by a command overwrites the settings !!</translation>
    </message>
    <message>
        <source>Tovární nastavení</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <source>PC &lt;--&gt; GSM Pager</source>
        <translation>PC &lt;--&gt; GSM Pager</translation>
    </message>
    <message>
        <source>Status box</source>
        <translation>Status box</translation>
    </message>
    <message>
        <source>Přenos dat</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>Info box</source>
        <translation>Info box</translation>
    </message>
    <message>
        <source>Zvolte sériový port, na kterém je připojen převodník PC-PAGER a otestujte propojení mezi PC a Pagerem tlačítkem TEST .. </source>
        <translation>Choose the serial port the PC-PAGER converter is connected to and test the link between the PC and the Pager with the TEST button .. </translation>
    </message>
    <message>
        <source>Rychlost přenosu je závislá na CPU</source>
        <translation>The transfer speed depends on the CPU</translation>
    </message>
    <message>
        <source>Výrobce :</source>
        <translation>Maker :</translation>
    </message>
    <message>
        <source>Podpora :</source>
        <translation>Support :</translation>
    </message>
    <message>
        <source>HELP - jak postupovat</source>
        <translation>HELP - how to proceed</translation>
    </message>
    <message>
        <source>..:: KONEC ::..</source>
        <translation>..:: EXIT ::..</translation>
    </message>
    <message>
        <source>Otevřít…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Načíst konfiguraci ze souboru (Ctrl+O)</source>
        <translation>Load a configuration from a file (Ctrl+O)</translation>
    </message>
    <message>
        <source>Uložit…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Uložit konfiguraci z tabulky do souboru (Ctrl+S)</source>
        <translation>Save the table’s configuration to a file (Ctrl+S)</translation>
    </message>
    <message>
        <source>ověřit po
zápisu</source>
        <translation>verify
after write</translation>
    </message>
    <message>
        <source>ověřit po zápisu</source>
        <translation>verify after write</translation>
    </message>
    <message>
        <source>Po úspěšném zápisu do modulu jeho obsah hned vyčíst a porovnat</source>
        <translation>After a successful write, read the module back at once and compare</translation>
    </message>
    <message>
        <source>Ověřit</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Vyčíst modul a porovnat jej s tabulkou; tabulka se nemění</source>
        <translation>Read the module and compare it with the table; the table does not change</translation>
    </message>
    <message>
        <source>Program spuštěn</source>
        <translation>Program started</translation>
    </message>
    <message>
        <source>č.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>
Obraz dat nebyl vytvořen.</source>
        <translation>
No data image was made.</translation>
    </message>
    <message>
        <source>Nutno vložit platná data !</source>
        <translation>Valid data must be entered !</translation>
    </message>
    <message>
        <source>Tabulka nebyla vyčtena z modulu, otevřena ze souboru ani upravena: je prázdná.
Opravdu ji zapsat do modulu?</source>
        <translation>The table was not read from the module, opened from a file or edited: it is empty.
Write it to the module all the same?</translation>
    </message>
    <message>
        <source>Kopii z modulu nelze uložit: %1</source>
        <translation>The copy from the module cannot be saved: %1</translation>
    </message>
    <message>
        <source>Kopie z modulu uložena do %1</source>
        <translation>Copy from the module saved to %1</translation>
    </message>
    <message>
        <source>Tabulka byla od posledního vyčtení, otevření, uložení nebo zápisu změněna.
Uložit změny do souboru?</source>
        <translation>The table has changed since it was last read, opened, saved or written.
Save the changes to a file?</translation>
    </message>
    <message>
        <source>Probíhá zápis do modulu. Po ukončení programu by v modulu zůstala neúplná konfigurace a modul by čekal na zbytek obrazu.
Přesto skončit?</source>
        <translation>A write to the module is running. If the program ends now, the module keeps an incomplete configuration and waits for the rest of the image.
Exit all the same?</translation>
    </message>
    <message>
        <source>Jiný port:</source>
        <translation>Other port:</translation>
    </message>
    <message>
        <source>Sériový port mimo COM1 až COM6, například USB převodník; vyberte ho ze seznamu nebo napište cestu a stiskněte Enter</source>
        <translation>A serial port other than COM1 to COM6, such as a USB adapter; pick it from the list or type its path and press Enter</translation>
    </message>
    <message>
        <source>Zobrazit v poli výše obraz konfigurace, jak ho tabulka zapíše do modulu</source>
        <translation>Show in the box above the configuration image as the table would write it to the module</translation>
    </message>
    <message>
        <source>Převzít obraz konfigurace z pole výše do tabulky a výchozích stavů</source>
        <translation>Take the configuration image from the box above into the table and the default states</translation>
    </message>
    <message>
        <source>Probíhá vyčítání z modulu: tabulku do jeho konce nelze měnit.</source>
        <translation>Reading from the module: the table cannot be changed until it ends.</translation>
    </message>
    <message>
        <source>Program má skončit: zápis se nejdřív dokončí, aby modul nezůstal zapsaný napůl. Další pokyn k ukončení zápis přeruší.</source>
        <translation>The program is to end: the write finishes first, so that the module is not left half-written. A further request to end interrupts the write.</translation>
    </message>
    <message>
        <source>Vložte do pole obraz konfigurace jako text, například zkopírovaný z pole po „data -&gt; win“ v jiném okně programu.</source>
        <translation>Paste a configuration image as text into the box, for example one copied from the box after “data -&gt; win” in another window of the program.</translation>
    </message>
    <message>
        <source>Série…</source>
        <translation>Series…</translation>
    </message>
    <message>
        <source>Zapsat konfiguraci do modulu za modulem, každý ověřit a zapsat do protokolu</source>
        <translation>Write the configuration into module after module, verify each and record it in a protocol</translation>
    </message>
    <message>
        <source>Uložit záznam linky…</source>
        <translation>Save line trace…</translation>
    </message>
    <message>
        <source>Uložit bajty posledních přenosů s časy do textového souboru pro podporu výrobce</source>
        <translation>Save the bytes of the last transfers with their times to a text file for the maker's support</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Editace a vkládání povelu do tabulky</source>
        <translation>Editing a command and inserting it into the table</translation>
    </message>
    <message>
        <source>Povel č.</source>
        <translation>Cmd no.</translation>
    </message>
    <message>
        <source>potvrdit prozvoněním</source>
        <translation>confirm by call</translation>
    </message>
    <message>
        <source>sms ve tvaru #</source>
        <translation>sms as #</translation>
    </message>
    <message>
        <source>provede na</source>
        <translation>acts on</translation>
    </message>
    <message>
        <source>akci</source>
        <translation>action</translation>
    </message>
    <message>
        <source>Délka impulsu :</source>
        <translation>Pulse length :</translation>
    </message>
    <message>
        <source>1-90 sek. / 0 = 0,5s</source>
        <translation>1-90 sec. / 0 = 0.5s</translation>
    </message>
    <message>
        <source>Vložit</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Postup komunikace s VRK-04</source>
        <translation>How to communicate with the VRK-04</translation>
    </message>
    <message>
        <source>Zvolte volný port COM, na kterém je připojen kablík a otestujte komunikaci tlačítkem TEST (možno opakovaně).</source>
        <translation>Choose the free COM port the cable is connected to and test the communication with the TEST button (it may be repeated).</translation>
    </message>
    <message>
        <source>PC -&gt; VRK-04</source>
        <translation>PC -&gt; VRK-04</translation>
    </message>
    <message>
        <source>provádí zápis nastavení do VRK-04</source>
        <translation>writes the settings to the VRK-04</translation>
    </message>
    <message>
        <source>PC &lt;- VRK-04</source>
        <translation>PC &lt;- VRK-04</translation>
    </message>
    <message>
        <source>načítá nastavení z VRK-04</source>
        <translation>reads the settings from the VRK-04</translation>
    </message>
    <message>
        <source>Do provozu se VRK-04 uvádí</source>
        <translation>The VRK-04 is put into operation</translation>
    </message>
    <message>
        <source>vytažením kablíku</source>
        <translation>by pulling the cable</translation>
    </message>
    <message>
        <source>z konektoru GSM pageru - ukončí servisní režim.</source>
        <translation>out of the GSM pager’s connector - this ends the service mode.</translation>
    </message>
    <message>
        <source>Připojte kablík do volného portu PC a VRK-04, zapněte jej – s připojeným kablíkem najede do servisního režimu.</source>
        <translation>Connect the cable to a free port of the PC and to the VRK-04, then switch the VRK-04 on – with the cable connected it starts in its service mode.</translation>
    </message>
    <message>
        <source>V případě chyby přenosu doporučujeme uzavřít aplikace zatěžující procesor (u starých PC).</source>
        <translation>If a transfer fails, we recommend closing applications that load the processor (on old PCs).</translation>
    </message>
    <message>
        <source>Technické dotazy :     </source>
        <translation>Tech support :     </translation>
    </message>
</context>
<context>
    <name>LinkText</name>
    <message>
        <source>TEST OK</source>
        <translation>TEST OK</translation>
    </message>
    <message>
        <source>TEST ERROR</source>
        <translation>TEST ERROR</translation>
    </message>
    <message>
        <source>Prenos OK</source>
        <translation>Transfer OK</translation>
    </message>
    <message>
        <source>chyba v prenosu!</source>
        <translation>transfer error!</translation>
    </message>
    <message>
        <source>chyba komunikace!</source>
        <translation>communication error!</translation>
    </message>
    <message>
        <source>duplicitni prijem</source>
        <translation>duplicate receipt</translation>
    </message>
    <message>
        <source>Ověření OK</source>
        <translation>Verify OK</translation>
    </message>
    <message>
        <source>Přenos již probíhá, počkejte na jeho konec.</source>
        <translation>A transfer is already running; wait for it to end.</translation>
    </message>
    <message>
        <source>Vyčítání START</source>
        <translation>Read START</translation>
    </message>
    <message>
        <source>Zápis START</source>
        <translation>Write START</translation>
    </message>
    <message>
        <source>Ověření START</source>
        <translation>Verify START</translation>
    </message>
    <message>
        <source>Vyčítání přerušeno</source>
        <translation>Read interrupted</translation>
    </message>
    <message>
        <source>Zápis přerušen</source>
        <translation>Write interrupted</translation>
    </message>
    <message>
        <source>Ověření přerušeno</source>
        <translation>Verify interrupted</translation>
    </message>
    <message>
        <source>Modul ukončil zápis předčasně, po %1. bajtu z %2.</source>
        <translation>The module ended the write early, after byte %1 of %2.</translation>
    </message>
    <message>
        <source>Ověření: první rozdíl, </source>
        <translation>Verify: first difference, </translation>
    </message>
    <message>
        <source>modul</source>
        <translation>module</translation>
    </message>
    <message>
        <source>očekáváno</source>
        <translation>expected</translation>
    </message>
    <message>
        <source>Port %1 byl zavřen: %2</source>
        <translation>Port %1 was closed: %2</translation>
    </message>
    <message>
        <source>port není otevřen</source>
        <translation>the port is not open</translation>
    </message>
    <message>
        <source>port je již otevřen</source>
        <translation>the port is already open</translation>
    </message>
    <message>
        <source>zařízení nemá linku RTS</source>
        <translation>the device has no RTS line</translation>
    </message>
    <message>
        <source>zařízení neexistuje</source>
        <translation>the device does not exist</translation>
    </message>
    <message>
        <source>přístup odepřen (přidejte uživatele do skupiny dialout)</source>
        <translation>access denied (add the user to the dialout group)</translation>
    </message>
    <message>
        <source>port používá jiný program</source>
        <translation>another program is using the port</translation>
    </message>
    <message>
        <source>zařízení bylo odpojeno</source>
        <translation>the device was disconnected</translation>
    </message>
    <message>
        <source>je to složka, ne sériové zařízení</source>
        <translation>it is a folder, not a serial device</translation>
    </message>
    <message>
        <source>není sériové zařízení</source>
        <translation>not a serial device</translation>
    </message>
    <message>
        <source>chyba portu: %1</source>
        <translation>port error: %1</translation>
    </message>
    <message>
        <source>Test přerušen</source>
        <translation>Test interrupted</translation>
    </message>
    <message>
        <source>Modul čeká na zbytek obrazu: před další operací ho vypněte a zapněte, pak zapište znovu.</source>
        <translation>The module is waiting for the rest of the image: switch it off and on before the next operation, then write again.</translation>
    </message>
    <message>
        <source>Paměť modulu je prázdná (samé 0xFF): modul nemá uloženou konfiguraci.</source>
        <translation>The module’s memory is empty (all 0xFF): the module holds no configuration.</translation>
    </message>
    <message>
        <source>Data z modulu nejsou konfigurace: přenos proběhl, ale obsah nelze dekódovat.</source>
        <translation>The module’s data are no configuration: the transfer went through, but the contents cannot be decoded.</translation>
    </message>
    <message>
        <source>Převodník byl odpojen</source>
        <translation>The adapter was unplugged</translation>
    </message>
    <message>
        <source>Modul ukončil vyčítání předčasně, po %1. bajtu z %2.</source>
        <translation>The module ended the read early, after byte %1 of %2.</translation>
    </message>
    <message>
        <source>Port %1 nelze otevřít: %2</source>
        <translation>Port %1 cannot be opened: %2</translation>
    </message>
</context>
<context>
    <name>LinkTrace</name>
    <message>
        <source>test spojení</source>
        <translation>link test</translation>
    </message>
    <message>
        <source>vyčítání</source>
        <translation>read</translation>
    </message>
    <message>
        <source>zápis</source>
        <translation>write</translation>
    </message>
    <message>
        <source>ověření</source>
        <translation>verify</translation>
    </message>
    <message>
        <source>úspěch</source>
        <translation>succeeded</translation>
    </message>
    <message>
        <source>selhání</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>přerušeno</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>Výsledek: %1, %2</source>
        <translation>Outcome: %1, %2</translation>
    </message>
    <message>
        <source>Záznam linky VRK-04</source>
        <translation>VRK-04 line trace</translation>
    </message>
    <message>
        <source>Program: %1 %2</source>
        <translation>Program: %1 %2</translation>
    </message>
    <message>
        <source>Systém: %1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>Qt: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Přenos od %1</source>
        <translation>Transfer from %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>Hlášení: %1</source>
        <translation>Message: %1</translation>
    </message>
    <message>
        <source>Výsledek: probíhá</source>
        <translation>Outcome: under way</translation>
    </message>
</context>
<context>
    <name>ModuleCopies</name>
    <message>
        <source>Složku %1 nelze vytvořit.</source>
        <translation>Folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>%1 je odkaz mimo datovou složku programu, kopie se tam neukládají.</source>
        <translation>%1 is a link out of the program’s data folder; no copies are saved there.</translation>
    </message>
</context>
<context>
    <name>PortCombo</name>
    <message>
        <source>(systém nenabízí žádný sériový port, zadejte cestu)</source>
        <translation>(the system offers no serial port; type a path)</translation>
    </message>
</context>
<context>
    <name>PortPicker</name>
    <message>
        <source>Zvolen port z minulého spuštění: %1 (%2)</source>
        <translation>Port from the last run chosen: %1 (%2)</translation>
    </message>
    <message>
        <source>Zvolen port z minulého spuštění: %1</source>
        <translation>Port from the last run chosen: %1</translation>
    </message>
</context>
<context>
    <name>PortPlatform</name>
    <message>
        <source>Modul odpovídá pomalu (průměrně %1 ms na bajt): přenos zdržuje latence USB převodníku. Ve Správci zařízení otevřete port, Nastavení portu → Upřesnit, a nastavte Latency Timer na 1 ms.</source>
        <translation>The module answers slowly (%1 ms a byte on average): the USB adapter’s latency holds the transfer up. In Device Manager open the port, Port Settings → Advanced, and set the Latency Timer to 1 ms.</translation>
    </message>
    <message>
        <source>Modul odpovídá pomalu (průměrně %1 ms na bajt): přenos zdržuje latence USB převodníku. Snižte ji na 1 ms pravidlem udev 99-vrk04-ftdi-latency.rules z dokumentace programu.</source>
        <translation>The module answers slowly (%1 ms a byte on average): the USB adapter’s latency holds the transfer up. Lower it to 1 ms with the udev rule 99-vrk04-ftdi-latency.rules from the program’s documentation.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zahodit</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zapsat</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>RememberedChoices</name>
    <message>
        <source>Nastavení %1 nelze přečíst: %2. Program začíná s výchozím nastavením.</source>
        <translation>Settings %1 cannot be read: %2. The program starts with its default settings.</translation>
    </message>
    <message>
        <source>Nastavení nelze uložit do %1. Volby tohoto běhu se příště nepoužijí.</source>
        <translation>Settings cannot be saved to %1. The choices of this run will not be used next time.</translation>
    </message>
</context>
<context>
    <name>SeriesDialog</name>
    <message>
        <source>Série modulů</source>
        <translation>Series of modules</translation>
    </message>
    <message>
        <source>Konfigurace:</source>
        <translation>Configuration:</translation>
    </message>
    <message>
        <source>z tabulky v okně</source>
        <translation>from the table in the window</translation>
    </message>
    <message>
        <source>ze souboru:</source>
        <translation>from a file:</translation>
    </message>
    <message>
        <source>Vybrat soubor konfigurace</source>
        <translation>Choose the configuration file</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Protokol:</source>
        <translation>Protocol:</translation>
    </message>
    <message>
        <source>Vybrat soubor protokolu</source>
        <translation>Choose the protocol file</translation>
    </message>
    <message>
        <source>Počet modulů:</source>
        <translation>Modules:</translation>
    </message>
    <message>
        <source>bez omezení</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>Spustit</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Okno právě přenáší data: počkejte na konec přenosu.</source>
        <translation>The window is transferring data: wait for the transfer to end.</translation>
    </message>
    <message>
        <source>tabulka v okně</source>
        <translation>table in the window</translation>
    </message>
    <message>
        <source>Port %1 nelze otevřít: %2</source>
        <translation>Port %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Série nezačala: %1</source>
        <translation>The series did not start: %1</translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl. Dalším Stop ho přerušíte.</source>
        <translation>The write finishes, so that the module is not left half-written. Stop again interrupts it.</translation>
    </message>
    <message>
        <source>Konfigurace pro sérii</source>
        <translation>Configuration for the series</translation>
    </message>
    <message>
        <source>Protokol série</source>
        <translation>Protocol of the series</translation>
    </message>
    <message>
        <source>Protokol CSV (*.csv)</source>
        <translation>CSV protocol (*.csv)</translation>
    </message>
    <message>
        <source>Série dokončena: vypněte modul</source>
        <translation>Series complete: switch the module off</translation>
    </message>
    <message>
        <source>Série zastavena</source>
        <translation>Series stopped</translation>
    </message>
    <message>
        <source>V pořádku: %1    S chybou: %2</source>
        <translation>Good: %1    Failed: %2</translation>
    </message>
</context>
<context>
    <name>SeriesProtocol</name>
    <message>
        <source>zápis se nedokončil (plný disk?)</source>
        <translation>the write did not complete (disk full?)</translation>
    </message>
    <message>
        <source>Do protokolu %1 nelze zapisovat: %2.</source>
        <translation>The protocol %1 cannot be written: %2.</translation>
    </message>
</context>
<context>
    <name>SeriesRun</name>
    <message>
        <source>Konfiguraci nelze zapsat: obraz nelze dekódovat.</source>
        <translation>The configuration cannot be written: the image does not decode.</translation>
    </message>
    <message>
        <source>Připojte modul</source>
        <translation>Connect a module</translation>
    </message>
    <message>
        <source>Zapisuji %1. modul</source>
        <translation>Writing module %1</translation>
    </message>
    <message>
        <source>Ověřuji %1. modul</source>
        <translation>Verifying module %1</translation>
    </message>
    <message>
        <source>Hotovo: vypněte modul</source>
        <translation>Done: switch the module off</translation>
    </message>
    <message>
        <source>CHYBA: %1</source>
        <translation>ERROR: %1</translation>
    </message>
    <message>
        <source>vypněte ho a připojte další</source>
        <translation>switch it off and connect the next one</translation>
    </message>
    <message>
        <source>vypněte ho</source>
        <translation>switch it off</translation>
    </message>
    <message>
        <source>Modul %1: OK, otisk %2, %3 s — %4</source>
        <translation>Module %1: OK, fingerprint %2, %3 s — %4</translation>
    </message>
    <message>
        <source>Modul %1: CHYBA, %2, otisk %3, %4 s — %5</source>
        <translation>Module %1: CHYBA, %2, fingerprint %3, %4 s — %5</translation>
    </message>
    <message>
        <source>Série: v pořádku %1, s chybou %2; protokol %3</source>
        <translation>Series: %1 good, %2 failed; protocol %3</translation>
    </message>
    <message>
        <source>zapsáno, neověřeno: série byla přerušena</source>
        <translation>written, not verified: the series was interrupted</translation>
    </message>
    <message>
        <source>zápis přerušen po %1. bajtu z %2: modul drží neúplnou konfiguraci</source>
        <translation>write interrupted after byte %1 of %2: the module holds an incomplete configuration</translation>
    </message>
    <message>
        <source>ověření přerušeno</source>
        <translation>verify interrupted</translation>
    </message>
    <message>
        <source>modul neodpověděl na zápis</source>
        <translation>the module did not answer the write</translation>
    </message>
    <message>
        <source>modul neodpověděl na ověření</source>
        <translation>the module did not answer the verify</translation>
    </message>
    <message>
        <source>zápis se přerušil po %1. bajtu z %2</source>
        <translation>the write broke off after byte %1 of %2</translation>
    </message>
    <message>
        <source>ověření se přerušilo po %1. bajtu</source>
        <translation>the verify broke off after byte %1</translation>
    </message>
</context>
<context>
    <name>TextRefusal</name>
    <message>
        <source>řádek %1 (povel %2)</source>
        <translation>line %1 (command %2)</translation>
    </message>
    <message>
        <source>řádek %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>povel %1</source>
        <translation>command %1</translation>
    </message>
    <message>
        <source>verze</source>
        <translation>version</translation>
    </message>
    <message>
        <source>číslo</source>
        <translation>number</translation>
    </message>
    <message>
        <source>text SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source>výstup</source>
        <translation>output</translation>
    </message>
    <message>
        <source>akce</source>
        <translation>action</translation>
    </message>
    <message>
        <source>čas</source>
        <translation>time</translation>
    </message>
    <message>
        <source>oznam</source>
        <translation>notify</translation>
    </message>
    <message>
        <source>výchozí stavy</source>
        <translation>default states</translation>
    </message>
    <message>
        <source>text není v kódování UTF-8</source>
        <translation>the text is not UTF-8</translation>
    </message>
    <message>
        <source>chybný zápis JSON u znaku %1</source>
        <translation>invalid JSON at character %1</translation>
    </message>
    <message>
        <source>%1 není objekt JSON ({…})</source>
        <translation>%1 is not a JSON object ({…})</translation>
    </message>
    <message>
        <source>%1 není seznam JSON ([…])</source>
        <translation>%1 is not a JSON array ([…])</translation>
    </message>
    <message>
        <source>%1 není text v uvozovkách</source>
        <translation>%1 is not a quoted text</translation>
    </message>
    <message>
        <source>%1 není číslo</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 není vrk04-config</source>
        <translation>%1 is not vrk04-config</translation>
    </message>
    <message>
        <source>%1 tento program nezná (čte verzi 1)</source>
        <translation>this program does not know %1 (it reads version 1)</translation>
    </message>
    <message>
        <source>neznámá položka %1</source>
        <translation>unknown member %1</translation>
    </message>
    <message>
        <source>chybí položka %1</source>
        <translation>member %1 is missing</translation>
    </message>
    <message>
        <source>chybí sloupec %1</source>
        <translation>column %1 is missing</translation>
    </message>
    <message>
        <source>záhlaví má být %1</source>
        <translation>the header must be %1</translation>
    </message>
    <message>
        <source>uvozovky nejsou uzavřeny</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>polí je %1, má jich být 6</source>
        <translation>%1 fields, there must be 6</translation>
    </message>
    <message>
        <source>řádek navíc (výchozí stavy už byly)</source>
        <translation>an extra line (the default states came already)</translation>
    </message>
    <message>
        <source>povelů je %1, má jich být 20</source>
        <translation>%1 commands, there must be 20</translation>
    </message>
    <message>
        <source>%1 neodpovídá pořadí povelu</source>
        <translation>%1 does not match the command’s place</translation>
    </message>
    <message>
        <source>%1 není SYSTEM ani RELE1 až RELE5</source>
        <translation>%1 is neither SYSTEM nor RELE1 to RELE5</translation>
    </message>
    <message>
        <source>%1 není akce výstupu %2 (%3)</source>
        <translation>%1 is not an action of output %2 (%3)</translation>
    </message>
    <message>
        <source>%1 není ANO ani NE</source>
        <translation>%1 is neither ANO nor NE</translation>
    </message>
    <message>
        <source>znak „%1“ nelze uložit ve znakové sadě Windows-1250</source>
        <translation>character “%1” cannot be stored in the Windows-1250 character set</translation>
    </message>
    <message>
        <source>znak „˙“ modul neuloží</source>
        <translation>the module cannot store the character “˙”</translation>
    </message>
    <message>
        <source>%1 není celé číslo</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>chybí řádek výchozích stavů (defaults a pět 0/1)</source>
        <translation>the line of default states is missing (defaults and five 0/1)</translation>
    </message>
    <message>
        <source>jsou %1, má jich být 5</source>
        <translation>there are %1, there must be 5</translation>
    </message>
    <message>
        <source>%1: %2 není 0 ani 1</source>
        <translation>%1: %2 is neither 0 nor 1</translation>
    </message>
    <message>
        <source>obraz nelze dekódovat (pozice %1), text ho neudrží</source>
        <translation>the image cannot be decoded (position %1), a text cannot hold it</translation>
    </message>
    <message>
        <source>tvar %1 neudrží obraz přesně (%2)</source>
        <translation>form %1 cannot hold the image exactly (%2)</translation>
    </message>
    <message>
        <source>položka %1 je uvedena dvakrát</source>
        <translation>key %1 is given twice</translation>
    </message>
    <message>
        <source>%1 má %2 znaků, nejvýše %3</source>
        <translation>%1 has %2 characters, at most %3</translation>
    </message>
    <message>
        <source>%1 je mimo rozsah %2..%3</source>
        <translation>%1 is outside the range %2..%3</translation>
    </message>
</context>
<context>
    <name>ToolText</name>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>tvar</source>
        <translation>format</translation>
    </message>
    <message>
        <source>Po zápisu obraz nevyčítat a neporovnávat.</source>
        <translation>Do not read the image back and compare it after a write.</translation>
    </message>
    <message>
        <source>Na chybový výstup psát jen chyby.</source>
        <translation>Write only errors to standard error.</translation>
    </message>
    <message>
        <source>Vypíše tuto nápovědu.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Vypíše verzi programu.</source>
        <translation>Displays the program’s version.</translation>
    </message>
    <message>
        <source>chybí příkaz</source>
        <translation>a command is missing</translation>
    </message>
    <message>
        <source>neznámý příkaz „%1“</source>
        <translation>unknown command “%1”</translation>
    </message>
    <message>
        <source>příkaz %1 chce %2 soubor(y), zadáno %3</source>
        <translation>command %1 takes %2 file(s), %3 given</translation>
    </message>
    <message>
        <source>příkaz %1 nepoužívá port</source>
        <translation>command %1 uses no port</translation>
    </message>
    <message>
        <source>neznámý tvar „%1“ (text, csv, json)</source>
        <translation>unknown format “%1” (text, csv, json)</translation>
    </message>
    <message>
        <source>--no-verify patří jen k write</source>
        <translation>--no-verify goes with write only</translation>
    </message>
    <message>
        <source>Obraz z modulu není konfigurační obraz: %1.</source>
        <translation>The module’s image is not a configuration image: %1.</translation>
    </message>
    <message>
        <source>Uloženo do souboru %1 (%2 B)</source>
        <translation>Saved to file %1 (%2 B)</translation>
    </message>
    <message>
        <source>otevře se</source>
        <translation>opens</translation>
    </message>
    <message>
        <source>nelze otevřít: </source>
        <translation>cannot be opened: </translation>
    </message>
    <message>
        <source>Soubor %1 zůstává beze změny; bajty z modulu jsou v souboru %2.</source>
        <translation>File %1 stays unchanged; the module’s bytes are in file %2.</translation>
    </message>
    <message>
        <source>má %1 B, celý konfigurační obraz má %2 B</source>
        <translation>it has %1 B, a whole configuration image has %2 B</translation>
    </message>
    <message>
        <source>Soubor má %1 B: doplněn výplňovými bajty 0xFF na %2 B.</source>
        <translation>The file has %1 B: padded with fill bytes 0xFF to %2 B.</translation>
    </message>
    <message>
        <source>Zápis dokončen; ověření vynecháno, program byl přerušen.</source>
        <translation>Write finished; verify left out, the program was interrupted.</translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl: zbývá %1 B, asi %2 s. Dalším Ctrl+C zápis přerušíte.</source>
        <translation>The write goes on to its end so that the module is not left half written: %1 B to go, about %2 s. Another Ctrl+C interrupts the write.</translation>
    </message>
    <message>
        <source>Zápis zastaven po bajtu %1 z %2: modul teď drží neúplnou konfiguraci.</source>
        <translation>Write stopped after byte %1 of %2: the module now holds an incomplete configuration.</translation>
    </message>
    <message>
        <source>Výstup nelze zapsat: %1</source>
        <translation>The output cannot be written: %1</translation>
    </message>
    <message>
        <source>--format patří jen k show, read a convert</source>
        <translation>--format goes with show, read and convert only</translation>
    </message>
    <message>
        <source>Soubor %1 nebyl uložen: %2.</source>
        <translation>File %1 was not saved: %2.</translation>
    </message>
    <message>
        <source>Soubor %1 obsahuje obraz tak, jak přišel: %2.</source>
        <translation>File %1 holds the image as it came: %2.</translation>
    </message>
    <message>
        <source>Port: jediný připojený USB převodník, %1</source>
        <translation>Port: the one USB adapter connected, %1</translation>
    </message>
    <message>
        <source>chybí --port a není připojen žádný USB převodník</source>
        <translation>--port is missing and no USB adapter is connected</translation>
    </message>
    <message>
        <source>chybí --port a USB převodníků je připojeno %1</source>
        <translation>--port is missing and %1 USB adapters are connected</translation>
    </message>
    <message>
        <source>vypíše sériové porty</source>
        <translation>lists the serial ports</translation>
    </message>
    <message>
        <source>Vypíše COM1 až COM6 se zařízením, které znamenají, a zda se otevřou (nebo proč
ne), pak další sériové porty systému, po řádku s poli oddělenými tabulátorem:
USB (USB převodník) nebo -, zařízení, název v /dev/serial/by-id, popis,
výrobce, sériové číslo a VID:PID. Každý blok začíná řádkem záhlaví.</source>
        <translation>Lists COM1 to COM6 with the device each stands for and whether it opens (or
why not), then the system’s other serial ports, one a line, fields separated
by tabs: USB (a USB adapter) or -, the device, its name in /dev/serial/by-id,
description, maker, serial number and VID:PID. Each block starts with a
header row.</translation>
    </message>
    <message>
        <source>[--port P]</source>
        <translation>[--port P]</translation>
    </message>
    <message>
        <source>test spojení s modulem</source>
        <translation>tests the link with the module</translation>
    </message>
    <message>
        <source>Otestuje spojení s modulem na portu P.</source>
        <translation>Tests the link with the module on port P.</translation>
    </message>
    <message>
        <source>[--port P] SOUBOR [--format F]</source>
        <translation>[--port P] FILE [--format F]</translation>
    </message>
    <message>
        <source>vyčte konfiguraci z modulu do souboru</source>
        <translation>reads the module’s configuration into a file</translation>
    </message>
    <message>
        <source>Vyčte obraz konfigurace z modulu, uloží ho do SOUBORU a vypíše jeho tabulku.
SOUBOR s příponou .json nebo .csv dostane konfiguraci jako text, když ji text
udrží přesně; jinak se pod tím jménem uloží obraz bajt po bajtu, jak přišel,
a nástroj skončí kódem 3. Obraz, který není celá konfigurace (smazaný modul),
nikdy nepřepíše existující soubor: bajty modulu jdou do nového souboru vedle
něj (kód 5).</source>
        <translation>Reads the configuration image from the module, saves it to FILE and prints
its table. A FILE ending in .json or .csv gets the configuration as text when
the text holds the image exactly; otherwise the image is saved under that
name byte for byte as it came, and the tool exits with 3. An image that is not
a whole configuration (an erased module) never replaces an existing file: the
module’s bytes go to a new file beside it (exit 5).</translation>
    </message>
    <message>
        <source>zapíše soubor do modulu a ověří ho</source>
        <translation>writes a file to the module and verifies it</translation>
    </message>
    <message>
        <source>[--port P] SOUBOR</source>
        <translation>[--port P] FILE</translation>
    </message>
    <message>
        <source>porovná modul se souborem</source>
        <translation>compares the module with a file</translation>
    </message>
    <message>
        <source>Vyčte obraz z modulu a porovná ho se SOUBOREM; první rozdíl pojmenuje na
chybovém výstupu, všechny rozdíly vypíše na standardní výstup (kód 3).
Obraz z modulu se neukládá.</source>
        <translation>Reads the module’s image and compares it with FILE; the first difference is
named on standard error, all differences are printed on standard output
(exit 3). The module’s image is not saved.</translation>
    </message>
    <message>
        <source>SOUBOR [--format F]</source>
        <translation>FILE [--format F]</translation>
    </message>
    <message>
        <source>vypíše dvacet povelů a pět výchozích stavů</source>
        <translation>prints the twenty commands and five default states</translation>
    </message>
    <message>
        <source>Vypíše dvacet povelů a pět výchozích stavů výstupů ze SOUBORU, jako text,
CSV nebo JSON.</source>
        <translation>Prints the twenty commands and the five default output states of FILE, as
text, CSV or JSON.</translation>
    </message>
    <message>
        <source>SOUBOR1 SOUBOR2</source>
        <translation>FILE1 FILE2</translation>
    </message>
    <message>
        <source>rozdíly dvou konfigurací po povelech a polích</source>
        <translation>the differences of two configurations, by command and field</translation>
    </message>
    <message>
        <source>Vypíše rozdíly dvou konfigurací po povelech a polích, v kterékoli ze tří
podob souboru (kód 3, když se liší).</source>
        <translation>Prints the differences of two configurations by command and field, in any of
the three file forms (exit 3 when they differ).</translation>
    </message>
    <message>
        <source>VSTUP VÝSTUP [--format F]</source>
        <translation>IN OUT [--format F]</translation>
    </message>
    <message>
        <source>Použití: %1 %2</source>
        <translation>Usage: %1 %2</translation>
    </message>
    <message>
        <source>PŘÍKAZ [volby] [SOUBOR...]</source>
        <translation>COMMAND [options] [FILE...]</translation>
    </message>
    <message>
        <source>Konfigurace GSM reléového modulu VRK-04 z příkazové řádky.
</source>
        <translation>The configuration of a VRK-04 GSM relay module from the command line.
</translation>
    </message>
    <message>
        <source>Příkazy:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Volby:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Návratové kódy:</source>
        <translation>Exit codes:</translation>
    </message>
    <message>
        <source>hotovo</source>
        <translation>done</translation>
    </message>
    <message>
        <source>spojení selhalo (modul neodpovídá, chyba přenosu, port nelze otevřít)</source>
        <translation>the link failed (no answer, a transfer error, a port that does not open)</translation>
    </message>
    <message>
        <source>chybné použití, též chybí-li --port a není připojen právě jeden USB převodník</source>
        <translation>bad usage, also no --port and not exactly one USB adapter connected</translation>
    </message>
    <message>
        <source>ověření nebo diff našly rozdíl; text neudrží obraz přesně (convert, read)</source>
        <translation>verify or diff found a difference; a text cannot hold the image exactly (convert, read)</translation>
    </message>
    <message>
        <source>soubor nelze přečíst či zapsat, nebo to není konfigurace, kterou lze
zapsat; také výstup, který nešlo zapsat</source>
        <translation>a file cannot be read or written, or is no configuration that can be
written; also output that could not be written</translation>
    </message>
    <message>
        <source>read: obraz z modulu není celá konfigurace; existující soubor zůstal,
bajty z modulu jsou v novém souboru vedle něj</source>
        <translation>read: the module’s image is not a whole configuration; an existing file
stayed, the module’s bytes are in a new file beside it</translation>
    </message>
    <message>
        <source>přerušeno signálem N (Ctrl+C: 130); zápis se po prvním Ctrl+C dokončí</source>
        <translation>stopped by signal N (Ctrl+C: 130); a write finishes after the first Ctrl+C</translation>
    </message>
    <message>
        <source>Nápovědu k jednomu příkazu vypíše %1 PŘÍKAZ --help.</source>
        <translation>For one command’s help: %1 COMMAND --help.</translation>
    </message>
    <message>
        <source>Příklad:</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>Společné volby (-q, -h) a návratové kódy vypíše %1 --help.</source>
        <translation>The common options (-q, -h) and the exit codes: %1 --help.</translation>
    </message>
    <message>
        <source>port	zařízení	stav</source>
        <translation>port	device	state</translation>
    </message>
    <message>
        <source>Nezapisovat, najde-li kontrola chybu (návratový kód %1).</source>
        <translation>Write nothing when the check finds an error (exit code %1).</translation>
    </message>
    <message>
        <source>--strict patří jen k write</source>
        <translation>--strict goes with write only</translation>
    </message>
    <message>
        <source>Nic nezapsáno: kontrola našla chybu (--strict).</source>
        <translation>Nothing written: the check found an error (--strict).</translation>
    </message>
    <message>
        <source>[--port P] SOUBOR [--no-verify] [--strict]</source>
        <translation>[--port P] FILE [--no-verify] [--strict]</translation>
    </message>
    <message>
        <source>Zapíše konfiguraci ze SOUBORU do modulu, pak ji z modulu vyčte a porovná.
Obraz kratší než 2048 bajtů se doplní výplní 0xFF. Nálezy kontroly (jako
check) vypíše na chybový výstup; se --strict při chybě nezapíše nic (kód 6).
Na konci vypíše otisk konfigurace. První Ctrl+C nechá zápis dokončit a skončí
kódem 130 bez ověření.</source>
        <translation>Writes the configuration of FILE to the module, then reads it back and
compares. An image shorter than 2048 bytes is padded with the fill byte 0xFF.
The check&apos;s findings (as check prints them) go to standard error; with --strict
an error writes nothing (exit 6). At the end it prints the configuration&apos;s
fingerprint. The first Ctrl+C lets the write finish and exits with 130 without
the verify.</translation>
    </message>
    <message>
        <source>převede mezi obrazem, JSON a CSV; do .pdf list pro zákazníka</source>
        <translation>converts between image, JSON and CSV; into .pdf the customer&apos;s sheet</translation>
    </message>
    <message>
        <source>Uloží konfiguraci ze VSTUPU do VÝSTUPU v podobě podle přípony (.json, .csv,
.pdf, jiná obraz) nebo podle --format. Když text neudrží obraz přesně, neuloží
nic a skončí kódem 3. Do .pdf napíše list pro zákazníka: použité SMS povely
na jedné stránce A4 (jen výstup, zpět se nečte).</source>
        <translation>Saves the configuration of IN to OUT in the form its suffix names (.json,
.csv, .pdf, any other an image) or --format says. When a text cannot hold the
image exactly, it saves nothing and exits with 3. Into .pdf it writes the
customer&apos;s sheet: the used SMS commands on one A4 page (an output only, never
read back).</translation>
    </message>
    <message>
        <source>SOUBOR</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>zkontroluje, zda modul udělá, co tabulka říká</source>
        <translation>checks that the module will do what the table says</translation>
    </message>
    <message>
        <source>Zkontroluje konfiguraci ze SOUBORU: za každý nález vypíše řádek „povel N: ...“
(chyba: modul neudělá, co tabulka říká, nebo nerozliší dva povely;
upozornění: pravděpodobný omyl), pak souhrn. Kód 6, když je některý nález
chyba.</source>
        <translation>Checks the configuration of FILE: one line &quot;povel N: ...&quot; for each finding
(chyba, an error: the module will not do what the table says, or cannot tell two
commands apart; upozornění, a warning: a likely mistake), then a summary. Exit 6
when a finding is an error.</translation>
    </message>
    <message>
        <source>Soubor je obraz konfigurace bajt po bajtu, nebo konfigurace jako text (JSON
či CSV v podobě, jakou vypíše show); podobu pozná nástroj podle obsahu. Data
jdou na standardní výstup, stavová hlášení s časem na chybový výstup. show
vypíše i otisk konfigurace (CRC-32 pozic 1 až 715), read a write jej na konci
vypíšou na chybový výstup.
</source>
        <translation>A file is a configuration image byte for byte, or the configuration as text
(JSON or CSV as show prints it); the tool tells the form by the content. Data
go to standard output, status lines with the time to standard error. show
also prints the configuration&apos;s fingerprint (CRC-32 of positions 1 to 715),
read and write print it on standard error at the end.
</translation>
    </message>
    <message>
        <source>Tvar výpisu tabulky (show, read): text, csv nebo json;
tvar souboru (convert): bin, json, csv nebo pdf.</source>
        <translation>Form of the printed table (show, read): text, csv or json;
form of the file (convert): bin, json, csv or pdf.</translation>
    </message>
    <message>
        <source>read neukládá do listu pro zákazníka (.pdf): list neudrží obraz modulu; vyčtěte do .bin, .json nebo .csv a ten převeďte příkazem convert</source>
        <translation>read does not save into a customer&apos;s sheet (.pdf): a sheet cannot keep the module&apos;s image; read into .bin, .json or .csv and convert that with convert</translation>
    </message>
    <message>
        <source>neznámý tvar souboru „%1“ (bin, json, csv, pdf)</source>
        <translation>unknown file form “%1” (bin, json, csv, pdf)</translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl: zbývá %1 B. Dalším Ctrl+C zápis přerušíte.</source>
        <translation>The write goes on to its end so that the module is not left half written: %1 B to go. Another Ctrl+C interrupts the write.</translation>
    </message>
    <message>
        <source>USB	zařízení	by-id	popis	výrobce	sériové číslo	VID:PID</source>
        <translation>USB	device	by-id	description	maker	serial number	VID:PID</translation>
    </message>
    <message>
        <source>COM1 až COM256 (jako v okně programu, včetně VRK04_COMk; com3, \\.\COM12 též) nebo cesta k zařízení.
Bez --port se použije jediný připojený USB převodník.</source>
        <translation>COM1 to COM256 (as in the program’s window, VRK04_COMk included; com3, \\.\COM12 too) or a device path.
Without --port the one USB adapter connected is used.</translation>
    </message>
    <message>
        <source>soubor</source>
        <translation>file</translation>
    </message>
    <message>
        <source>„%1“ není text v kódování systému: soubor s takovým jménem by se četl nebo uložil pod jiným jménem; přejmenujte ho</source>
        <translation>“%1” is not text in the system&apos;s encoding: a file of that name would be read or saved under another name; rename it</translation>
    </message>
    <message>
        <source>[--port P] SOUBOR [--log CSV] [--count N]</source>
        <translation>[--port P] FILE [--log CSV] [--count N]</translation>
    </message>
    <message>
        <source>zapíše jednu konfiguraci do modulu za modulem, s protokolem</source>
        <translation>writes one configuration into module after module, with a protocol</translation>
    </message>
    <message>
        <source>Zapíše konfiguraci ze SOUBORU do modulu za modulem: čeká na modul (test spojení
nejvýš každých 0,5 s), zapíše a ověří ho, vypíše řádek „Modul 3: OK, otisk ...“
a zapíše ho do protokolu; pak čeká, až modul zmizí (vypnutý nebo odpojený),
a teprve potom na další. Modul se tak nikdy nezapíše dvakrát po sobě. Chybný
modul se zapíše do protokolu jako CHYBA s důvodem a nepočítá se. Protokol je
soubor CSV (čas, port, soubor, otisk, výsledek, důvod, sekundy), doplňovaný po
řádcích. Konfigurace s chybou (jako check) se nezapíše nikam (kód 6). Skončí
kódem 0 po N dobrých modulech; Ctrl+C ukončí čekání hned, zápis nechá dokončit
(další Ctrl+C ho přeruší), vypíše souhrn a skončí kódem 130.</source>
        <translation>Writes the configuration of FILE into module after module: waits for a module
(a link test at most every 0.5 s), writes and verifies it, prints a line
"Module 3: OK, fingerprint ..." and records it in the protocol; then waits until
the module goes (switched off or unplugged), and only then for the next one. So
no module is ever written twice in a row. A failed module is recorded as CHYBA
with its reason and not counted. The protocol is a CSV file (time, port, file,
fingerprint, result, reason, seconds), appended to line by line. A
configuration with an error (as check finds it) is written nowhere (code 6).
Ends with 0 after N good modules; Ctrl+C ends a wait at once and lets a write
finish (another Ctrl+C interrupts it), prints the summary and exits with 130.</translation>
    </message>
    <message>
        <source>check, write --strict, series: kontrola našla chybu (write --strict a series
nezapsaly nic)</source>
        <translation>check, write --strict, series: the check found an error (write --strict and
series wrote nothing)</translation>
    </message>
    <message>
        <source>test, read, write, verify a series s --trace SOUBOR zapíší na konci do
SOUBORU záznam linky: hlavičku (verze programu, systém, verze Qt, port), pak
každý bajt na řádku s časem od začátku přenosu v ms, směrem (PC→ nebo →PC)
a hodnotou šestnáctkově, nakonec hlášení a výsledek; series posledního
chybného modulu, jinak posledních přenosů. Když přenos selže, pošlete ho
podpoře výrobce.
</source>
        <translation>test, read, write, verify and series with --trace FILE write a trace of the
line to FILE at the end: a header (program version, system, Qt version, port),
then one byte a line with its time since the start of the transfer in ms, its
direction (PC→ or →PC) and its value in hex, then the messages and the
outcome; series that of its last failed module, else of the last transfers.
When a transfer fails, send it to the maker’s support.
</translation>
    </message>
    <message>
        <source>Záznam linky pro podporu výrobce (test, read, write, verify, series): každý bajt s časem a směrem, na konci výsledek; soubor UTF-8.</source>
        <translation>A trace of the line for the maker’s support (test, read, write, verify, series): every byte with its time and direction, the outcome at the end; a UTF-8 file.</translation>
    </message>
    <message>
        <source>Protokol série (series), doplňovaný soubor CSV; bez --log vrk04-protokol.csv
v aktuální složce.</source>
        <translation>The protocol of a series (series), a CSV file appended to; without --log
vrk04-protokol.csv in the current folder.</translation>
    </message>
    <message>
        <source>Kolik modulů série zapsat a ověřit (series); bez --count do Ctrl+C.</source>
        <translation>How many modules of a series to write and verify (series); without --count until Ctrl+C.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>--trace patří jen k test, read, write, verify a series</source>
        <translation>--trace goes only with test, read, write, verify and series</translation>
    </message>
    <message>
        <source>--%1 patří jen k series</source>
        <translation>--%1 goes only with series</translation>
    </message>
    <message>
        <source>--count chce kladné celé číslo, zadáno „%1“</source>
        <translation>--count wants a positive whole number, given “%1”</translation>
    </message>
    <message>
        <source>Série nezačala: kontrola našla chybu.</source>
        <translation>The series did not start: the check found an error.</translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl; pak série skončí. Dalším Ctrl+C zápis přerušíte.</source>
        <translation>The write finishes, so that the module is not left half-written; then the series ends. Another Ctrl+C interrupts the write.</translation>
    </message>
</context>
<context>
    <name>WriteQuestion</name>
    <message>
        <source>Modul nebude dělat, co tabulka říká:</source>
        <translation>The module will not do what the table says:</translation>
    </message>
    <message>
        <source>Kontrola tabulky:</source>
        <translation>Check of the table:</translation>
    </message>
    <message>
        <source>Zápis v modulu změní:</source>
        <translation>The write changes in the module:</translation>
    </message>
    <message>
        <source>Zapsat tabulku do modulu?</source>
        <translation>Write the table to the module?</translation>
    </message>
</context>
</TS>
