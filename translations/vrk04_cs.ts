<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="cs_CZ">
<context>
    <name>ConfigFileActions</name>
    <message>
        <source>Uložit konfiguraci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otevřít konfiguraci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obraz konfigurace (*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Všechny soubory (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Konfigurace zůstává beze změny.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Načteno ze souboru %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Soubor nebyl uložen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uloženo do souboru %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Ověření neproběhlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfigurace jako JSON (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfigurace jako CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfigurace (*.bin *.json *.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List pro zákazníka (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1: %2.
Konfigurace zůstává beze změny.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit záznam linky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záznam linky (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záznam linky uložen do souboru %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigWords</name>
    <message>
        <source>Tvar SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čas/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oznam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Povel %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výchozí stav RELE%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pozice %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pozice %1 až %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Povel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: text SMS obsahuje znak, který nelze uložit ve znakové sadě Windows-1250.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: text SMS obsahuje znak „˙“, který modul nedokáže uložit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: čas „%2“ není celé číslo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>povel %1, text SMS, znak %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>výchozí stavy výstupů, bajt %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>výstup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čas a oznam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>povel %1, záznam, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>výplň</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>za koncem obrazu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pozice %1 (%2): %3 %4, %5 %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 nelze uložit: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>má %1 B, povoleno je nejvýše %2 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je to složka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soubor neexistuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>přístup odepřen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>má %1 B, konfigurační obraz má nejméně %2 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bajt 0x%1 na pozici %2 (%3) nelze dekódovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 není konfigurační obraz: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>složka %1 neexistuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do složky %1 nelze zapisovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápis se nedokončil (plný disk?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápis selhal (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>není to obyčejný soubor, ale zařízení, roura nebo soket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>č.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Výchozí stavy: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soubor je jen pro čtení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akce %1 k výstupu %2 nepatří: modul provede %3; zvolte jinou akci nebo jiný výstup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akce %1 k výstupu %2 nepatří a modul pro její kód u tohoto výstupu žádnou akci nemá; zvolte jinou akci nebo jiný výstup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stejný text má i povel %1: modul povely nerozliší a provede jen jeden z nich; jeden z textů změňte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stejný text mají i povely %1: modul povely nerozliší a provede jen jeden z nich; texty odlište.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znak %1 není v abecedě GSM: telefon pošle SMS jako UCS-2 a modul povel nemusí poznat; napište ho jinak, například bez diakritiky.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znaky %1 nejsou v abecedě GSM: telefon pošle SMS jako UCS-2 a modul povel nemusí poznat; napište je jinak, například bez diakritiky.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text začíná mezerou, kterou telefon i člověk snadno vynechá, a modul pak povel nepozná; mezeru smažte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text končí mezerou, kterou telefon i člověk snadno vynechá, a modul pak povel nepozná; mezeru smažte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text má dvě mezery za sebou, kde se snadno napíše jen jedna, a modul pak povel nepozná; nechte jednu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text se od povelu %1 liší jen velikostí písmen, diakritikou nebo mezerami: odesílatel snadno pošle ten druhý; odlište texty výrazněji.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text se od povelů %1 liší jen velikostí písmen, diakritikou nebo mezerami: odesílatel snadno pošle jiný z nich; odlište texty výrazněji.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čas %1 s je mimo rozsah 0 až 90 s, který nabízí editor, a modul s ním nemusí pracovat, jak čekáte; zadejte 0 až 90 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód výstupu „%1“ nemá žádný výstup a modul povel neprovede, jak tabulka ukazuje; zvolte výstup znovu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kód akce „%1“ nemá u výstupu %2 žádnou akci a modul povel neprovede, jak tabulka ukazuje; zvolte akci znovu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chyba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upozornění</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>povel %1: %2, %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrola: bez chyb a upozornění</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chyba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chyby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chyb</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n upozornění</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>povel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>povely %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrola: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>povel %1: %2 %3 → %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otisk konfigurace: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: text SMS je delší než %2 znaků.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: čas %2 s je mimo rozsah %3 až %4 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znak %1 na pozici %2 nelze převést do znakové sady Windows-1250.
Data nebyla převzata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data jsou příliš krátká: %1 znaků, potřeba je alespoň %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Data nebyla převzata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obraz v poli: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomerSheet</name>
    <message>
        <source>sepne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rozepne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impuls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>přepne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test modulu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restart modulu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul VRK-04: SMS povely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otisk konfigurace: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>č.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prozvoní</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstupy po zapnutí modulu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RELE%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sepnuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rozepnuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pozor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z modulu na %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureNotice</name>
    <message>
        <source>Zkontrolujte kabel, zvolený port a napájení modulu, vyzkoušejte spojení tlačítkem TEST a zkuste to znovu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis neproběhl, do modulu se nic neposlalo: %1
Opravte povel v tabulce a zapište znovu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis se nedokončil (po bajtu %1 z %2). Modul teď nemá platnou konfiguraci: vypněte ho a zapněte, pak zapište znovu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis neproběhl: modul neodpověděl, jeho konfigurace zůstala beze změny.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul nemá uloženou konfiguraci (jeho paměť je prázdná). Tabulka zůstala beze změny; upravte ji nebo otevřete ze souboru a zapište ji do modulu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data z modulu nejsou platná konfigurace. Tabulka zůstala beze změny; vyčtěte modul znovu, a když se to opakuje, zapište do něj konfiguraci.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyčítání se nedokončilo (po bajtu %1 z %2). Tabulka zůstala beze změny.
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyčítání neproběhlo: modul neodpověděl. Tabulka zůstala beze změny.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověření se nedokončilo, modul nebyl porovnán s tabulkou.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul obsahuje jinou konfiguraci než tabulka. První rozdíl: %1, v modulu %2, v tabulce %3 (rozdílů celkem: %4).
Zapište tabulku do modulu znovu, nebo ji z modulu vyčtěte.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>setup utility v %1 , build 4.1.2006</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VRK-04 server setup utility     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulka SMS Povelů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výchozí stavy výstupů uložené v EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Při každé změně povelem se nastavení přepisuje !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tovární nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC &lt;--&gt; GSM Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přenos dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zvolte sériový port, na kterém je připojen převodník PC-PAGER a otestujte propojení mezi PC a Pagerem tlačítkem TEST .. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rychlost přenosu je závislá na CPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výrobce :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podpora :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELP - jak postupovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>..:: KONEC ::..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otevřít…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Načíst konfiguraci ze souboru (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit konfiguraci z tabulky do souboru (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ověřit po
zápisu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ověřit po zápisu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Po úspěšném zápisu do modulu jeho obsah hned vyčíst a porovnat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověřit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyčíst modul a porovnat jej s tabulkou; tabulka se nemění</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program spuštěn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>č.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Obraz dat nebyl vytvořen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutno vložit platná data !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulka nebyla vyčtena z modulu, otevřena ze souboru ani upravena: je prázdná.
Opravdu ji zapsat do modulu?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopii z modulu nelze uložit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopie z modulu uložena do %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulka byla od posledního vyčtení, otevření, uložení nebo zápisu změněna.
Uložit změny do souboru?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probíhá zápis do modulu. Po ukončení programu by v modulu zůstala neúplná konfigurace a modul by čekal na zbytek obrazu.
Přesto skončit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jiný port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sériový port mimo COM1 až COM6, například USB převodník; vyberte ho ze seznamu nebo napište cestu a stiskněte Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zobrazit v poli výše obraz konfigurace, jak ho tabulka zapíše do modulu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Převzít obraz konfigurace z pole výše do tabulky a výchozích stavů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probíhá vyčítání z modulu: tabulku do jeho konce nelze měnit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program má skončit: zápis se nejdřív dokončí, aby modul nezůstal zapsaný napůl. Další pokyn k ukončení zápis přeruší.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vložte do pole obraz konfigurace jako text, například zkopírovaný z pole po „data -&gt; win“ v jiném okně programu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Série…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapsat konfiguraci do modulu za modulem, každý ověřit a zapsat do protokolu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit záznam linky…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit bajty posledních přenosů s časy do textového souboru pro podporu výrobce</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Editace a vkládání povelu do tabulky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Povel č.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>potvrdit prozvoněním</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sms ve tvaru #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>provede na</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délka impulsu :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-90 sek. / 0 = 0,5s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Postup komunikace s VRK-04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zvolte volný port COM, na kterém je připojen kablík a otestujte komunikaci tlačítkem TEST (možno opakovaně).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC -&gt; VRK-04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>provádí zápis nastavení do VRK-04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC &lt;- VRK-04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>načítá nastavení z VRK-04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do provozu se VRK-04 uvádí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vytažením kablíku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z konektoru GSM pageru - ukončí servisní režim.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Připojte kablík do volného portu PC a VRK-04, zapněte jej – s připojeným kablíkem najede do servisního režimu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V případě chyby přenosu doporučujeme uzavřít aplikace zatěžující procesor (u starých PC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technické dotazy :     </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkText</name>
    <message>
        <source>TEST OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEST ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prenos OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chyba v prenosu!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chyba komunikace!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicitni prijem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověření OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přenos již probíhá, počkejte na jeho konec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyčítání START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověření START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyčítání přerušeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis přerušen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověření přerušeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul ukončil zápis předčasně, po %1. bajtu z %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověření: první rozdíl, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>očekáváno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 byl zavřen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port není otevřen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port je již otevřen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zařízení nemá linku RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zařízení neexistuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>přístup odepřen (přidejte uživatele do skupiny dialout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port používá jiný program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zařízení bylo odpojeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je to složka, ne sériové zařízení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>není sériové zařízení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chyba portu: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test přerušen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul čeká na zbytek obrazu: před další operací ho vypněte a zapněte, pak zapište znovu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paměť modulu je prázdná (samé 0xFF): modul nemá uloženou konfiguraci.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data z modulu nejsou konfigurace: přenos proběhl, ale obsah nelze dekódovat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul ukončil vyčítání předčasně, po %1. bajtu z %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Převodník byl odpojen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 nelze otevřít: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkTrace</name>
    <message>
        <source>test spojení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vyčítání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ověření</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>úspěch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>selhání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>přerušeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výsledek: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záznam linky VRK-04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systém: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přenos od %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hlášení: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výsledek: probíhá</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleCopies</name>
    <message>
        <source>Složku %1 nelze vytvořit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 je odkaz mimo datovou složku programu, kopie se tam neukládají.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortCombo</name>
    <message>
        <source>(systém nenabízí žádný sériový port, zadejte cestu)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortPicker</name>
    <message>
        <source>Zvolen port z minulého spuštění: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zvolen port z minulého spuštění: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortPlatform</name>
    <message>
        <source>Modul odpovídá pomalu (průměrně %1 ms na bajt): přenos zdržuje latence USB převodníku. Ve Správci zařízení otevřete port, Nastavení portu → Upřesnit, a nastavte Latency Timer na 1 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul odpovídá pomalu (průměrně %1 ms na bajt): přenos zdržuje latence USB převodníku. Snižte ji na 1 ms pravidlem udev 99-vrk04-ftdi-latency.rules z dokumentace programu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Ano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahodit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapsat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RememberedChoices</name>
    <message>
        <source>Nastavení %1 nelze přečíst: %2. Program začíná s výchozím nastavením.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení nelze uložit do %1. Volby tohoto běhu se příště nepoužijí.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeriesDialog</name>
    <message>
        <source>Série modulů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfigurace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z tabulky v okně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ze souboru:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vybrat soubor konfigurace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vybrat soubor protokolu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet modulů:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bez omezení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spustit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okno právě přenáší data: počkejte na konec přenosu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tabulka v okně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 nelze otevřít: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Série nezačala: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl. Dalším Stop ho přerušíte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfigurace pro sérii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokol série</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokol CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Série dokončena: vypněte modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Série zastavena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V pořádku: %1    S chybou: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeriesProtocol</name>
    <message>
        <source>zápis se nedokončil (plný disk?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do protokolu %1 nelze zapisovat: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeriesRun</name>
    <message>
        <source>Konfiguraci nelze zapsat: obraz nelze dekódovat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Připojte modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisuji %1. modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ověřuji %1. modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotovo: vypněte modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHYBA: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vypněte ho a připojte další</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vypněte ho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul %1: OK, otisk %2, %3 s — %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul %1: CHYBA, %2, otisk %3, %4 s — %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Série: v pořádku %1, s chybou %2; protokol %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zapsáno, neověřeno: série byla přerušena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápis přerušen po %1. bajtu z %2: modul drží neúplnou konfiguraci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ověření přerušeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modul neodpověděl na zápis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modul neodpověděl na ověření</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápis se přerušil po %1. bajtu z %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ověření se přerušilo po %1. bajtu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextRefusal</name>
    <message>
        <source>řádek %1 (povel %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>řádek %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>povel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>číslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>výstup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>čas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oznam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>výchozí stavy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text není v kódování UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybný zápis JSON u znaku %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není objekt JSON ({…})</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není seznam JSON ([…])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není text v uvozovkách</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není číslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není vrk04-config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tento program nezná (čte verzi 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neznámá položka %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí položka %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí sloupec %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>záhlaví má být %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uvozovky nejsou uzavřeny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polí je %1, má jich být 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>řádek navíc (výchozí stavy už byly)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>povelů je %1, má jich být 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 neodpovídá pořadí povelu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není SYSTEM ani RELE1 až RELE5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není akce výstupu %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není ANO ani NE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>znak „%1“ nelze uložit ve znakové sadě Windows-1250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>znak „˙“ modul neuloží</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není celé číslo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí řádek výchozích stavů (defaults a pět 0/1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jsou %1, má jich být 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 není 0 ani 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>obraz nelze dekódovat (pozice %1), text ho neudrží</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tvar %1 neudrží obraz přesně (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>položka %1 je uvedena dvakrát</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 má %2 znaků, nejvýše %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 je mimo rozsah %2..%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolText</name>
    <message>
        <source>port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tvar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Po zápisu obraz nevyčítat a neporovnávat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na chybový výstup psát jen chyby.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypíše tuto nápovědu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypíše verzi programu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí příkaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neznámý příkaz „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>příkaz %1 chce %2 soubor(y), zadáno %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>příkaz %1 nepoužívá port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neznámý tvar „%1“ (text, csv, json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--no-verify patří jen k write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obraz z modulu není konfigurační obraz: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uloženo do souboru %1 (%2 B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>otevře se</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nelze otevřít: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 zůstává beze změny; bajty z modulu jsou v souboru %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>má %1 B, celý konfigurační obraz má %2 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor má %1 B: doplněn výplňovými bajty 0xFF na %2 B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis dokončen; ověření vynecháno, program byl přerušen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl: zbývá %1 B, asi %2 s. Dalším Ctrl+C zápis přerušíte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis zastaven po bajtu %1 z %2: modul teď drží neúplnou konfiguraci.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstup nelze zapsat: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format patří jen k show, read a convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 nebyl uložen: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1 obsahuje obraz tak, jak přišel: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port: jediný připojený USB převodník, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí --port a není připojen žádný USB převodník</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybí --port a USB převodníků je připojeno %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vypíše sériové porty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypíše COM1 až COM6 se zařízením, které znamenají, a zda se otevřou (nebo proč
ne), pak další sériové porty systému, po řádku s poli oddělenými tabulátorem:
USB (USB převodník) nebo -, zařízení, název v /dev/serial/by-id, popis,
výrobce, sériové číslo a VID:PID. Každý blok začíná řádkem záhlaví.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[--port P]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test spojení s modulem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otestuje spojení s modulem na portu P.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[--port P] SOUBOR [--format F]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vyčte konfiguraci z modulu do souboru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyčte obraz konfigurace z modulu, uloží ho do SOUBORU a vypíše jeho tabulku.
SOUBOR s příponou .json nebo .csv dostane konfiguraci jako text, když ji text
udrží přesně; jinak se pod tím jménem uloží obraz bajt po bajtu, jak přišel,
a nástroj skončí kódem 3. Obraz, který není celá konfigurace (smazaný modul),
nikdy nepřepíše existující soubor: bajty modulu jdou do nového souboru vedle
něj (kód 5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zapíše soubor do modulu a ověří ho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[--port P] SOUBOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>porovná modul se souborem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyčte obraz z modulu a porovná ho se SOUBOREM; první rozdíl pojmenuje na
chybovém výstupu, všechny rozdíly vypíše na standardní výstup (kód 3).
Obraz z modulu se neukládá.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOUBOR [--format F]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vypíše dvacet povelů a pět výchozích stavů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypíše dvacet povelů a pět výchozích stavů výstupů ze SOUBORU, jako text,
CSV nebo JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOUBOR1 SOUBOR2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rozdíly dvou konfigurací po povelech a polích</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypíše rozdíly dvou konfigurací po povelech a polích, v kterékoli ze tří
podob souboru (kód 3, když se liší).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VSTUP VÝSTUP [--format F]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Použití: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PŘÍKAZ [volby] [SOUBOR...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfigurace GSM reléového modulu VRK-04 z příkazové řádky.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příkazy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volby:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Návratové kódy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hotovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spojení selhalo (modul neodpovídá, chyba přenosu, port nelze otevřít)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chybné použití, též chybí-li --port a není připojen právě jeden USB převodník</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ověření nebo diff našly rozdíl; text neudrží obraz přesně (convert, read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soubor nelze přečíst či zapsat, nebo to není konfigurace, kterou lze
zapsat; také výstup, který nešlo zapsat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read: obraz z modulu není celá konfigurace; existující soubor zůstal,
bajty z modulu jsou v novém souboru vedle něj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>přerušeno signálem N (Ctrl+C: 130); zápis se po prvním Ctrl+C dokončí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápovědu k jednomu příkazu vypíše %1 PŘÍKAZ --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příklad:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Společné volby (-q, -h) a návratové kódy vypíše %1 --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port	zařízení	stav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nezapisovat, najde-li kontrola chybu (návratový kód %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--strict patří jen k write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nic nezapsáno: kontrola našla chybu (--strict).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[--port P] SOUBOR [--no-verify] [--strict]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapíše konfiguraci ze SOUBORU do modulu, pak ji z modulu vyčte a porovná.
Obraz kratší než 2048 bajtů se doplní výplní 0xFF. Nálezy kontroly (jako
check) vypíše na chybový výstup; se --strict při chybě nezapíše nic (kód 6).
Na konci vypíše otisk konfigurace. První Ctrl+C nechá zápis dokončit a skončí
kódem 130 bez ověření.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>převede mezi obrazem, JSON a CSV; do .pdf list pro zákazníka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uloží konfiguraci ze VSTUPU do VÝSTUPU v podobě podle přípony (.json, .csv,
.pdf, jiná obraz) nebo podle --format. Když text neudrží obraz přesně, neuloží
nic a skončí kódem 3. Do .pdf napíše list pro zákazníka: použité SMS povely
na jedné stránce A4 (jen výstup, zpět se nečte).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOUBOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zkontroluje, zda modul udělá, co tabulka říká</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zkontroluje konfiguraci ze SOUBORU: za každý nález vypíše řádek „povel N: ...“
(chyba: modul neudělá, co tabulka říká, nebo nerozliší dva povely;
upozornění: pravděpodobný omyl), pak souhrn. Kód 6, když je některý nález
chyba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor je obraz konfigurace bajt po bajtu, nebo konfigurace jako text (JSON
či CSV v podobě, jakou vypíše show); podobu pozná nástroj podle obsahu. Data
jdou na standardní výstup, stavová hlášení s časem na chybový výstup. show
vypíše i otisk konfigurace (CRC-32 pozic 1 až 715), read a write jej na konci
vypíšou na chybový výstup.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tvar výpisu tabulky (show, read): text, csv nebo json;
tvar souboru (convert): bin, json, csv nebo pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read neukládá do listu pro zákazníka (.pdf): list neudrží obraz modulu; vyčtěte do .bin, .json nebo .csv a ten převeďte příkazem convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neznámý tvar souboru „%1“ (bin, json, csv, pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl: zbývá %1 B. Dalším Ctrl+C zápis přerušíte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB	zařízení	by-id	popis	výrobce	sériové číslo	VID:PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM1 až COM256 (jako v okně programu, včetně VRK04_COMk; com3, \\.\COM12 též) nebo cesta k zařízení.
Bez --port se použije jediný připojený USB převodník.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soubor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ není text v kódování systému: soubor s takovým jménem by se četl nebo uložil pod jiným jménem; přejmenujte ho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[--port P] SOUBOR [--log CSV] [--count N]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zapíše jednu konfiguraci do modulu za modulem, s protokolem</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check, write --strict, series: kontrola našla chybu (write --strict a series
nezapsaly nic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test, read, write, verify a series s --trace SOUBOR zapíší na konci do
SOUBORU záznam linky: hlavičku (verze programu, systém, verze Qt, port), pak
každý bajt na řádku s časem od začátku přenosu v ms, směrem (PC→ nebo →PC)
a hodnotou šestnáctkově, nakonec hlášení a výsledek; series posledního
chybného modulu, jinak posledních přenosů. Když přenos selže, pošlete ho
podpoře výrobce.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záznam linky pro podporu výrobce (test, read, write, verify, series): každý bajt s časem a směrem, na konci výsledek; soubor UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokol série (series), doplňovaný soubor CSV; bez --log vrk04-protokol.csv
v aktuální složce.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kolik modulů série zapsat a ověřit (series); bez --count do Ctrl+C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--trace patří jen k test, read, write, verify a series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 patří jen k series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count chce kladné celé číslo, zadáno „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Série nezačala: kontrola našla chybu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis se dokončí, aby modul nezůstal zapsaný napůl; pak série skončí. Dalším Ctrl+C zápis přerušíte.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteQuestion</name>
    <message>
        <source>Modul nebude dělat, co tabulka říká:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrola tabulky:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis v modulu změní:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapsat tabulku do modulu?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
