<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN" sourcelanguage="en">
<context>
    <name>BirthLines</name>
    <message>
        <source>Name: %1</source>
        <translation>नाम: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>शहर: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>राज्य: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>देश: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <extracomment>%1 is the month's name, %2 the day, %3 the year.</extracomment>
        <translation>जन्म तिथि: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>जन्म समय: %1 घंटे %2 मिनट</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>अक्षांश: %1 अंश %2 मिनट</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>देशांतर: %1 अंश %2 मिनट</translation>
    </message>
</context>
<context>
    <name>CastZone</name>
    <message>
        <source>%1 with daylight saving</source>
        <translation>%1, डेलाइट सेविंग सहित</translation>
    </message>
    <message>
        <source>Chosen zone: %1</source>
        <translation>चुना गया क्षेत्र: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>समय क्षेत्र: %1</translation>
    </message>
</context>
<context>
    <name>ChartDisplay</name>
    <message>
        <source>Surya / Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>अन्य वैदिक विवरण</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>वैदिक ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Mean elements</source>
        <translation>माध्य तत्व</translation>
    </message>
    <message>
        <source>Precise ephemeris · %1 · %2</source>
        <translation>सूक्ष्म ग्रह-पंचांग · %1 · %2</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>सत्य चित्रापक्ष</translation>
    </message>
    <message>
        <source>mean node</source>
        <translation>माध्य पात</translation>
    </message>
    <message>
        <source>true node</source>
        <translation>सत्य पात</translation>
    </message>
</context>
<context>
    <name>ChartWords</name>
    <message>
        <source>Navamsa Chart</source>
        <translation>नवांश कुंडली</translation>
    </message>
    <message>
        <source>Rashi Chart</source>
        <translation>राशि कुंडली</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Mesha</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>कुम्भ</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Ari</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>कुम्भ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Aswini</source>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>पूर्वा फाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तरा फाल्गुनी</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>स्वाति</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>पूर्वा भाद्रपद</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तरा भाद्रपद</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
    <message>
        <source>Dhanistha</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Asc</source>
        <extracomment>The ascendant's entry in the chart's boxes.</extracomment>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>(R)</source>
        <extracomment>The retrograde mark behind a planet's label (vakri).</extracomment>
        <translation>(व)</translation>
    </message>
    <message>
        <source>East Indian</source>
        <translation>पूर्व भारतीय</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>द्रेष्काण</translation>
    </message>
    <message>
        <source>Chaturthamsa</source>
        <translation>चतुर्थांश</translation>
    </message>
    <message>
        <source>Saptamsa</source>
        <translation>सप्तांश</translation>
    </message>
    <message>
        <source>Dasamsa</source>
        <translation>दशांश</translation>
    </message>
    <message>
        <source>Dwadasamsa</source>
        <translation>द्वादशांश</translation>
    </message>
    <message>
        <source>Shodasamsa</source>
        <translation>षोडशांश</translation>
    </message>
    <message>
        <source>Vimsamsa</source>
        <translation>विंशांश</translation>
    </message>
    <message>
        <source>Chaturvimsamsa</source>
        <translation>चतुर्विंशांश</translation>
    </message>
    <message>
        <source>Bhamsa</source>
        <translation>भांश</translation>
    </message>
    <message>
        <source>Trimsamsa</source>
        <translation>त्रिंशांश</translation>
    </message>
    <message>
        <source>Khavedamsa</source>
        <translation>खवेदांश</translation>
    </message>
    <message>
        <source>Akshavedamsa</source>
        <translation>अक्षवेदांश</translation>
    </message>
    <message>
        <source>Shashtiamsa</source>
        <translation>षष्ट्यंश</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <extracomment>The ascendant's row in the table of the divisional charts.</extracomment>
        <translation>लग्न</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Velmora Astrology Rashi Chart South (*.vlj)</source>
        <translation>Velmora Astrology कुंडली फ़ाइल (*.vlj)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>खोलने के लिए फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation>कुंडली टेक्स्ट के रूप में निर्यात (*.txt)</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>जिस टेक्स्ट फ़ाइल में रखना है, उसे चुनें </translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>JPEG चित्र (*.jpg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Image (*.svg)</source>
        <translation>SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>Save the Vimshottari dasha as CSV</source>
        <translation>विंशोत्तरी दशा को CSV के रूप में सहेजें</translation>
    </message>
    <message>
        <source>CSV (comma-separated values) (*.csv)</source>
        <translation>CSV (अल्पविराम से अलग मान) (*.csv)</translation>
    </message>
    <message>
        <source>Save the divisional charts as CSV</source>
        <translation>वर्ग कुंडलियों को CSV के रूप में सहेजें</translation>
    </message>
</context>
<context>
    <name>FileProblems</name>
    <message>
        <source>The chart could not be printed: "%1" did not accept the page.</source>
        <translation>कुंडली छापी नहीं जा सकी: "%1" ने पेज स्वीकार नहीं किया।</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
    <message>
        <source>The file "%1" could not be saved.
%2</source>
        <translation>"%1" फ़ाइल सहेजी नहीं जा सकी।
%2</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <extracomment>%1 is the line's number, %2 what it holds ("Year").</extracomment>
        <translation>पंक्ति %1 (%2)</translation>
    </message>
    <message>
        <source>The file is too large to be a saved reading.</source>
        <translation>फ़ाइल सहेजी गई कुंडली होने के लिए बहुत बड़ी है।</translation>
    </message>
    <message>
        <source>The file holds binary data, not a saved reading.</source>
        <translation>फ़ाइल में बाइनरी डेटा है, सहेजी गई कुंडली नहीं।</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>फ़ाइल खाली है।</translation>
    </message>
    <message>
        <source>%1 holds control characters.</source>
        <extracomment>%1 is the line, as "Line 4 (Year)".</extracomment>
        <translation>%1 में नियंत्रण वर्ण हैं।</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 कोई संख्या नहीं है।</translation>
    </message>
    <message>
        <source>%1 holds %2, outside its list of %3 to %4.</source>
        <extracomment>%1 is the line, %2 the number it holds, %3 and %4 its list's first and last.</extracomment>
        <translation>%1 में %2 है, जो उसकी सूची %3 से %4 के बाहर है।</translation>
    </message>
    <message>
        <source>%1 has more digits than the field holds.</source>
        <translation>%1 में खाने की क्षमता से अधिक अंक हैं।</translation>
    </message>
    <message>
        <source>%1 is not a number the field holds.</source>
        <translation>%1 में ऐसी संख्या नहीं है जो खाने में आ सके।</translation>
    </message>
    <message>
        <source>%1 is neither True nor False.</source>
        <translation>%1 न True है, न False।</translation>
    </message>
    <message>
        <source>The file ended before its first line.</source>
        <translation>फ़ाइल पहली पंक्ति से पहले ही समाप्त हो गई।</translation>
    </message>
    <message>
        <source>The file ended after line %1 (%2); the lines after it are empty.</source>
        <extracomment>%1 is the last line's number, %2 what it holds ("State").</extracomment>
        <translation>फ़ाइल पंक्ति %1 (%2) के बाद समाप्त हो गई; उसके बाद की पंक्तियाँ खाली हैं।</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>कृपया अक्षांश के मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर के मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>कृपया अपने शहर का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>कृपया अपने राज्य का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>कृपया अपने देश का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>कृपया अक्षांश की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>कृपया देशांतर की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude from 0 to 90</source>
        <translation>कृपया अक्षांश के अंश 0 से 90 तक लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude from 0 to 180</source>
        <translation>कृपया देशांतर के अंश 0 से 180 तक लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude from 0 to 59</source>
        <translation>कृपया अक्षांश के मिनट 0 से 59 तक लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude from 0 to 59</source>
        <translation>कृपया देशांतर के मिनट 0 से 59 तक लिखें</translation>
    </message>
    <message>
        <source>Please Enter 0 Minutes of Latitude with 90 Degree (Latitude goes from 0 to 90 Degree)</source>
        <translation>90 अंश के साथ अक्षांश के मिनट 0 लिखें (अक्षांश 0 से 90 अंश तक होता है)</translation>
    </message>
    <message>
        <source>Please Enter 0 Minute of Longitude with 180 Degree (Longitude goes from 0 to 180 Degree)</source>
        <translation>180 अंश के साथ देशांतर के मिनट 0 लिखें (देशांतर 0 से 180 अंश तक होता है)</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया केवल अंक लिखें</translation>
    </message>
    <message>
        <source>Please choose the date, the time and the time zone from the lists</source>
        <translation>कृपया सूची से तिथि, समय और समय क्षेत्र चुनें</translation>
    </message>
</context>
<context>
    <name>LossWarning</name>
    <message>
        <source>%1 will be written as "?"</source>
        <translation>%1 "?" के रूप में लिखे जाएँगे</translation>
    </message>
    <message>
        <source>%1 will be left out</source>
        <translation>%1 छोड़ दिए जाएँगे</translation>
    </message>
    <message>
        <source>It will be stored empty.</source>
        <translation>यह खाली रखा जाएगा।</translation>
    </message>
    <message>
        <source>It will be stored as "%1".</source>
        <translation>यह "%1" के रूप में रखा जाएगा।</translation>
    </message>
    <message>
        <source>%1 "%2": %3.
%4</source>
        <extracomment>%1 is the field's caption, %2 its text, %3 what happens to its letters, %4 what is kept.</extracomment>
        <translation>%1 "%2": %3।
%4</translation>
    </message>
    <message>
        <source>Some characters cannot be kept in %1:</source>
        <translation>%1 में केवल लैटिन अक्षर रखे जा सकते हैं, इसलिए कुछ अक्षर नहीं रखे जा सकते:</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>फिर भी सहेजें?</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>फिर भी सहेजें</translation>
    </message>
</context>
<context>
    <name>PlaceClock</name>
    <message>
        <source>unknown to this computer</source>
        <translation>इस कंप्यूटर के लिए अज्ञात</translation>
    </message>
    <message>
        <source>%1 never occurred</source>
        <translation>%1 कभी नहीं आया</translation>
    </message>
    <message>
        <source>the time came twice; choose the zone by hand</source>
        <translation>यह समय दो बार आया; समय क्षेत्र स्वयं चुनें</translation>
    </message>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>%1, war time</source>
        <translation>%1, युद्धकालीन समय</translation>
    </message>
    <message>
        <source>%1, no zone in the list</source>
        <translation>%1, सूची में ऐसा कोई समय क्षेत्र नहीं</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <extracomment>%1 is the time zone ("Asia/Kolkata"), %2 the date of birth, %3 what its clocks showed.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>This computer's time-zone database does not know the zone %1 of %2. Please choose the time zone and daylight saving by hand.</source>
        <extracomment>%1 is the time zone ("Asia/Kolkata"), %2 the place.</extracomment>
        <translation>इस कंप्यूटर का समय क्षेत्र डेटाबेस %2 का समय क्षेत्र %1 नहीं जानता। कृपया समय क्षेत्र और डेलाइट सेविंग स्वयं चुनें।</translation>
    </message>
    <message>
        <source>The time %1 never occurred in %2 on %3: the clocks were turned forward that night. Please check the time of birth.</source>
        <extracomment>%1 is the time of birth, %2 the place, %3 the date.</extracomment>
        <translation>%3 को %2 में %1 का समय कभी नहीं आया: उस रात घड़ियाँ आगे की गई थीं। कृपया जन्म का समय जाँचें।</translation>
    </message>
    <message>
        <source>In %1 on %2 the clocks were %3 from Greenwich, and no time zone in the list has that offset.</source>
        <extracomment>%1 is the place, %2 the date, %3 the clocks' offset from Greenwich ("+5:45").</extracomment>
        <translation>%2 को %1 में घड़ियाँ ग्रीनविच से %3 थीं, और सूची के किसी समय क्षेत्र का यह अंतर नहीं है।</translation>
    </message>
    <message>
        <source>Please choose the time zone in the list by hand.</source>
        <translation>कृपया सूची में से समय क्षेत्र स्वयं चुनें।</translation>
    </message>
    <message>
        <source>The clocks of %1 were turned back on %2, so %3 came twice. Which one was the time of birth?</source>
        <extracomment>%1 is the place, %2 the date, %3 the time of birth.</extracomment>
        <translation>%2 को %1 की घड़ियाँ पीछे की गई थीं, इसलिए %3 दो बार आया। जन्म का समय कौन-सा था?</translation>
    </message>
    <message>
        <source>%1 with daylight saving (%2)</source>
        <extracomment>%1 is the time of birth, %2 the clocks' offset from Greenwich ("-4:00").</extracomment>
        <translation>%1, डेलाइट सेविंग सहित (%2)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>PlaceLookup</name>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश का नाम लिखें</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>No printer is set up on this computer, so the chart cannot be printed.

Would you like to save the chart as a PDF file instead? You can print that file later.</source>
        <translation>इस कंप्यूटर पर कोई प्रिंटर नहीं लगा है, इसलिए कुंडली छापी नहीं जा सकती।

क्या इसके बदले आप कुंडली को PDF फ़ाइल के रूप में सहेजना चाहेंगे? उस फ़ाइल को आप बाद में छाप सकते हैं।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &amp;&amp;  link here. See "Help" for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें: यहाँ अपनी साइट का नाम &amp;&amp;  लिंक लगाएँ। विवरण: "सहायता"।    अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>For Analysis of this Rashi chart log onto </source>
        <translation>इस राशि कुंडली के विश्लेषण के लिए देखें </translation>
    </message>
    <message>
        <source>Ask about your chart in the Velmora Vedic astrology forum. Click here to join.</source>
        <translation>Velmora वैदिक ज्योतिष फ़ोरम में अपनी कुंडली के बारे में पूछें। जुड़ने के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Click here for more info on co-branding.</source>
        <translation>अपनी साइट के लिए इस सॉफ़्टवेयर को को-ब्रांड करें। को-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
</context>
<context>
    <name>ReadingFileLines</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर के मिनट</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश के मिनट</translation>
    </message>
    <message>
        <source>East or West</source>
        <translation>पूर्व या पश्चिम</translation>
    </message>
    <message>
        <source>North or South</source>
        <translation>उत्तर या दक्षिण</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>No web browser could be opened for this page. Please open it in a web browser yourself:

%1</source>
        <translation>इस पेज के लिए कोई वेब ब्राउज़र नहीं खुल सका। कृपया इसे स्वयं किसी वेब ब्राउज़र में खोलें:

%1</translation>
    </message>
</context>
<context>
    <name>VendorTexts</name>
    <message>
        <source>%1 %2.</source>
        <extracomment>The offer, then the link's words, as one sentence after another.</extracomment>
        <translation>%1 %2।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। अपनी वेबसाइट के नाम से यह सॉफ़्टवेयर पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>विस्तृत जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
</context>
<context>
    <name>links::frmAbout</name>
    <message>
        <source>Places and their time zones: GeoNames (www.geonames.org), licensed under Creative Commons Attribution 4.0 (CC BY 4.0).</source>
        <translation>स्थान और उनके समय क्षेत्र: GeoNames (www.geonames.org), Creative Commons Attribution 4.0 (CC BY 4.0) लाइसेंस के अंतर्गत।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Velmora Rashi Chart (East Indian Style) Software shows your Rashi Chart (East Indian version) thereby giving the precise astronomical positions of planets during the time your birth. Vedic Astrology uses this information to forecast important incidents and probable opportunities that might arise in your life. Thus, Velmora Free Rashi Chart (East Indian Style) Software displays the planetary positions in the different signs. This is designed in the East Indian style of preparing Vedic birth charts. Beside the Rashi chart it shows the Navamsa chart and the Vimshottari dasha, finds the place of birth and its clock in a built-in atlas, zooms the chart, and saves it as a reading, a text report, a JPEG picture, a PDF or an SVG drawing, or prints it.</source>
        <translation>Velmora राशि कुंडली (पूर्व भारतीय शैली) सॉफ़्टवेयर आपकी राशि कुंडली (पूर्व भारतीय शैली में) दिखाता है और इस तरह आपके जन्म के समय ग्रहों की सटीक खगोलीय स्थिति बताता है। वैदिक ज्योतिष इस जानकारी से आपके जीवन की महत्वपूर्ण घटनाओं और संभावित अवसरों का पूर्वानुमान करता है। इस प्रकार Velmora का निःशुल्क राशि कुंडली (पूर्व भारतीय शैली) सॉफ़्टवेयर विभिन्न राशियों में ग्रहों की स्थिति दिखाता है। यह वैदिक जन्म कुंडली बनाने की पूर्व भारतीय शैली में बनाया गया है। राशि कुंडली के साथ यह नवांश कुंडली और विंशोत्तरी दशा दिखाता है, अंतर्निहित स्थान-सूची से जन्म स्थान और वहाँ की घड़ी का समय ढूँढता है, कुंडली को बड़ा-छोटा करता है, और उसे कुंडली फ़ाइल, टेक्स्ट रिपोर्ट, JPEG चित्र, PDF या SVG के रूप में सहेजता है या छापता है।</translation>
    </message>
</context>
<context>
    <name>ui::ChartWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>नया (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>इस नाम से सहेजें (&amp;A)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG सहेजें (&amp;J)</translation>
    </message>
    <message>
        <source>Save As &amp;SVG</source>
        <translation>SVG के रूप में सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>कुंडली टेक्स्ट के रूप में निर्यात करें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>टूलबार (&amp;T)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>बड़ा करें (&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>छोटा करें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>विंडो के माप में (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Rashi Chart</source>
        <translation>राशि कुंडली (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Navamsa Chart</source>
        <translation>नवांश कुंडली (&amp;N)</translation>
    </message>
    <message>
        <source>Vimshottari &amp;Dasha</source>
        <translation>विंशोत्तरी दशा (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>Velmora Astrology Rashi Chart (East Indian Style)</source>
        <translation>Velmora Astrology राशि कुंडली (पूर्व भारतीय शैली)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नया</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation>PDF के रूप में सहेजें (&amp;D)</translation>
    </message>
    <message>
        <source>the reading file</source>
        <translation>कुंडली फ़ाइल</translation>
    </message>
    <message>
        <source>the text report</source>
        <translation>टेक्स्ट रिपोर्ट</translation>
    </message>
    <message>
        <source>The dasha cannot be counted: the Moon's position "%1" cannot be read.</source>
        <translation>दशा की गणना नहीं हो सकती: चन्द्र की स्थिति "%1" पढ़ी नहीं जा सकती।</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>कुंडली (&amp;C)</translation>
    </message>
    <message>
        <source>Chart &amp;Style</source>
        <translation>कुंडली की शैली (&amp;S)</translation>
    </message>
    <message>
        <source>Divisional Charts T&amp;able</source>
        <translation>वर्ग कुंडलियों की तालिका (&amp;A)</translation>
    </message>
    <message>
        <source>Velmora Astrology Rashi Chart (North Indian Style)</source>
        <translation>Velmora Astrology राशि कुंडली (उत्तर भारतीय शैली)</translation>
    </message>
    <message>
        <source>Velmora Astrology Rashi Chart (South Indian Style)</source>
        <translation>Velmora Astrology राशि कुंडली (दक्षिण भारतीय शैली)</translation>
    </message>
</context>
<context>
    <name>ui::DashaWindow</name>
    <message>
        <source>Balance of %1 dasha at birth: %2 years %3 months %4 days</source>
        <translation>जन्म के समय %1 दशा का शेष भोग्यकाल: %2 वर्ष %3 मास %4 दिन</translation>
    </message>
    <message>
        <source>from %1 to %2, running now</source>
        <translation>%1 से %2 तक, अभी चल रही है</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 से %2 तक</translation>
    </message>
    <message>
        <source>Vimshottari Dasha - %1</source>
        <translation>विंशोत्तरी दशा - %1</translation>
    </message>
    <message>
        <source>Mahadashas and their antardashas</source>
        <translation>महादशाएँ और उनकी अंतर्दशाएँ</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>दशा</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Copy the dasha as text</source>
        <translation>दशा को टेक्स्ट के रूप में कॉपी करें</translation>
    </message>
    <message>
        <source>Save As C&amp;SV</source>
        <translation>CSV के रूप में सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Save the dasha as a CSV file for spreadsheets</source>
        <translation>स्प्रेडशीट के लिए दशा को CSV फ़ाइल के रूप में सहेजें</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>बंद करें (&amp;L)</translation>
    </message>
    <message>
        <source>No period of this dasha runs today.</source>
        <translation>आज इस दशा की कोई अवधि नहीं चल रही है।</translation>
    </message>
    <message>
        <source>Running today: %1, from %2 to %3</source>
        <translation>आज चल रही है: %1, %2 से %3 तक</translation>
    </message>
</context>
<context>
    <name>ui::InputForm</name>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजी गई कुंडली खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>घंटा/मिनट</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/मिनट</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Get My &amp;Rashi Chart (East)</source>
        <translation>मेरी राशि कुंडली दिखाएँ (पूर्व शैली) (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>मेरी राशि कुंडली दिखाएँ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>दान करें</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>ui::KeyFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation>कृपया केवल लैटिन अक्षर लिखें: कुंडली फ़ाइल में देवनागरी अक्षर नहीं रखे जा सकते</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया केवल अंक लिखें</translation>
    </message>
</context>
<context>
    <name>ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
</context>
<context>
    <name>ui::PlaceChooser</name>
    <message>
        <source>Several places have this name. Which one?</source>
        <translation>इस नाम की कई जगहें हैं। कौन-सी?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>जनसंख्या</translation>
    </message>
</context>
<context>
    <name>ui::PositionsMenu</name>
    <message>
        <source>&amp;Positions</source>
        <translation>स्थितियाँ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mean Elements</source>
        <translation>माध्य तत्व (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Precise Ephemeris</source>
        <translation>सूक्ष्म ग्रह-पंचांग (&amp;P)</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>लाहिड़ी (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>रमन (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti</source>
        <translation>कृष्णमूर्ति (&amp;K)</translation>
    </message>
    <message>
        <source>True &amp;Chitrapaksha</source>
        <translation>सत्य चित्रापक्ष (&amp;C)</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>पात</translation>
    </message>
    <message>
        <source>Mean &amp;Node</source>
        <translation>माध्य पात (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>सत्य पात (&amp;T)</translation>
    </message>
</context>
<context>
    <name>ui::VargaWindow</name>
    <message>
        <source>Divisional Charts - %1</source>
        <translation>वर्ग कुंडलियाँ - %1</translation>
    </message>
    <message>
        <source>Signs of the bodies in the sixteen divisional charts</source>
        <translation>सोलह वर्ग कुंडलियों में ग्रहों और लग्न की राशियाँ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Copy the table as text</source>
        <translation>तालिका को टेक्स्ट के रूप में कॉपी करें</translation>
    </message>
    <message>
        <source>Save As C&amp;SV</source>
        <translation>CSV के रूप में सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Save the table as a CSV file for spreadsheets</source>
        <translation>स्प्रेडशीट के लिए तालिका को CSV फ़ाइल के रूप में सहेजें</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>बंद करें (&amp;L)</translation>
    </message>
</context>
</TS>
