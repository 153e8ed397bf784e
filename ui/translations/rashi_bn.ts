<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN" sourcelanguage="en">
<context>
    <name>BirthLines</name>
    <message>
        <source>Name: %1</source>
        <translation>নাম: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>শহর: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>রাজ্য: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>দেশ: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <extracomment>%1 is the month's name, %2 the day, %3 the year.</extracomment>
        <translation>জন্মতারিখ: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>জন্মসময়: %1 ঘণ্টা %2 মিনিট</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>অক্ষাংশ: %1 ডিগ্রি %2 মিনিট</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>দ্রাঘিমাংশ: %1 ডিগ্রি %2 মিনিট</translation>
    </message>
</context>
<context>
    <name>CastZone</name>
    <message>
        <source>%1 with daylight saving</source>
        <translation>%1, ডেলাইট সেভিং সহ</translation>
    </message>
    <message>
        <source>Chosen zone: %1</source>
        <translation>বেছে নেওয়া অঞ্চল: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>সময় অঞ্চল: %1</translation>
    </message>
</context>
<context>
    <name>ChartDisplay</name>
    <message>
        <source>Surya / Sun</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>রাহু</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>কেতু</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>অয়নাংশ</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>নক্ষত্র</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>চন্দ্ররাশি</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>পাদ</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>অধিপতি</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>অন্যান্য বৈদিক তথ্য</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>বৈদিক গ্রহস্থিতি</translation>
    </message>
    <message>
        <source>Mean elements</source>
        <translation>গড় উপাদান</translation>
    </message>
    <message>
        <source>Precise ephemeris · %1 · %2</source>
        <translation>সূক্ষ্ম গ্রহপঞ্জি · %1 · %2</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>লাহিড়ী</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>রমন</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>কৃষ্ণমূর্তি</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>প্রকৃত চিত্রাপক্ষ</translation>
    </message>
    <message>
        <source>mean node</source>
        <translation>গড় পাত</translation>
    </message>
    <message>
        <source>true node</source>
        <translation>প্রকৃত পাত</translation>
    </message>
</context>
<context>
    <name>ChartWords</name>
    <message>
        <source>Navamsa Chart</source>
        <translation>নবাংশ চক্র</translation>
    </message>
    <message>
        <source>Rashi Chart</source>
        <translation>রাশিচক্র</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>রাহু</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>কেতু</translation>
    </message>
    <message>
        <source>Mesha</source>
        <translation>মেষ</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>বৃষ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>মিথুন</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>কর্কট</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>সিংহ</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>কন্যা</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>তুলা</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>বৃশ্চিক</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>ধনু</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>মকর</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>কুম্ভ</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>মীন</translation>
    </message>
    <message>
        <source>Ari</source>
        <translation>মেষ</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>বৃষ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>মিথুন</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>কর্কট</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>সিংহ</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>কন্যা</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>তুলা</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>বৃশ্চিক</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ধনু</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>মকর</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>কুম্ভ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>মীন</translation>
    </message>
    <message>
        <source>Aswini</source>
        <translation>অশ্বিনী</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>ভরণী</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>কৃত্তিকা</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>রোহিণী</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>মৃগশিরা</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>আর্দ্রা</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>পুনর্বসু</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>পুষ্যা</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>অশ্লেষা</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>মঘা</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>পূর্বফাল্গুনী</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>উত্তরফাল্গুনী</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>হস্তা</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>চিত্রা</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>স্বাতী</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>বিশাখা</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>অনুরাধা</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>জ্যেষ্ঠা</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>মূলা</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>পূর্বাষাঢ়া</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>উত্তরাষাঢ়া</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>শ্রবণা</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>ধনিষ্ঠা</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>শতভিষা</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>পূর্বভাদ্রপদ</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>উত্তরভাদ্রপদ</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>রেবতী</translation>
    </message>
    <message>
        <source>Dhanistha</source>
        <translation>ধনিষ্ঠা</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Asc</source>
        <extracomment>The ascendant's entry in the chart's boxes.</extracomment>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>(R)</source>
        <extracomment>The retrograde mark behind a planet's label (vakri).</extracomment>
        <translation>(ব)</translation>
    </message>
    <message>
        <source>East Indian</source>
        <translation>পূর্ব ভারতীয়</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>উত্তর ভারতীয়</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>দক্ষিণ ভারতীয়</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>হোরা</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>দ্রেক্কাণ</translation>
    </message>
    <message>
        <source>Chaturthamsa</source>
        <translation>চতুর্থাংশ</translation>
    </message>
    <message>
        <source>Saptamsa</source>
        <translation>সপ্তাংশ</translation>
    </message>
    <message>
        <source>Dasamsa</source>
        <translation>দশাংশ</translation>
    </message>
    <message>
        <source>Dwadasamsa</source>
        <translation>দ্বাদশাংশ</translation>
    </message>
    <message>
        <source>Shodasamsa</source>
        <translation>ষোড়শাংশ</translation>
    </message>
    <message>
        <source>Vimsamsa</source>
        <translation>বিংশাংশ</translation>
    </message>
    <message>
        <source>Chaturvimsamsa</source>
        <translation>চতুর্বিংশাংশ</translation>
    </message>
    <message>
        <source>Bhamsa</source>
        <translation>ভাংশ</translation>
    </message>
    <message>
        <source>Trimsamsa</source>
        <translation>ত্রিংশাংশ</translation>
    </message>
    <message>
        <source>Khavedamsa</source>
        <translation>খবেদাংশ</translation>
    </message>
    <message>
        <source>Akshavedamsa</source>
        <translation>অক্ষবেদাংশ</translation>
    </message>
    <message>
        <source>Shashtiamsa</source>
        <translation>ষষ্ট্যংশ</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>রাশি</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>নবাংশ</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <extracomment>The ascendant's row in the table of the divisional charts.</extracomment>
        <translation>লগ্ন</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Velmora Astrology Rashi Chart South (*.vlj)</source>
        <translation>Velmora Astrology কোষ্ঠী ফাইল (*.vlj)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>যে ফাইলটি খুলবেন সেটি বেছে নিন</translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation>চক্র টেক্সট হিসেবে রপ্তানি (*.txt)</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>যে টেক্সট ফাইলে রাখবেন সেটি বেছে নিন </translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>JPEG ছবি (*.jpg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF নথি (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Image (*.svg)</source>
        <translation>SVG ছবি (*.svg)</translation>
    </message>
    <message>
        <source>Save the Vimshottari dasha as CSV</source>
        <translation>বিংশোত্তরী দশা CSV হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>CSV (comma-separated values) (*.csv)</source>
        <translation>CSV (কমা দিয়ে আলাদা মান) (*.csv)</translation>
    </message>
    <message>
        <source>Save the divisional charts as CSV</source>
        <translation>বর্গচক্রগুলি CSV হিসেবে সংরক্ষণ</translation>
    </message>
</context>
<context>
    <name>FileProblems</name>
    <message>
        <source>The chart could not be printed: "%1" did not accept the page.</source>
        <translation>চক্রটি ছাপা গেল না: "%1" পাতাটি নেয়নি।</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>অনুগ্রহ করে ফাইলটি পরীক্ষা করুন।</translation>
    </message>
    <message>
        <source>The file "%1" could not be saved.
%2</source>
        <translation>"%1" ফাইলটি সংরক্ষণ করা গেল না।
%2</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <extracomment>%1 is the line's number, %2 what it holds ("Year").</extracomment>
        <translation>লাইন %1 (%2)</translation>
    </message>
    <message>
        <source>The file is too large to be a saved reading.</source>
        <translation>ফাইলটি সংরক্ষিত কোষ্ঠী হওয়ার পক্ষে খুব বড়।</translation>
    </message>
    <message>
        <source>The file holds binary data, not a saved reading.</source>
        <translation>ফাইলটিতে বাইনারি ডেটা আছে, সংরক্ষিত কোষ্ঠী নয়।</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ফাইলটি খালি।</translation>
    </message>
    <message>
        <source>%1 holds control characters.</source>
        <extracomment>%1 is the line, as "Line 4 (Year)".</extracomment>
        <translation>%1-এ নিয়ন্ত্রণ অক্ষর আছে।</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 কোনো সংখ্যা নয়।</translation>
    </message>
    <message>
        <source>%1 holds %2, outside its list of %3 to %4.</source>
        <extracomment>%1 is the line, %2 the number it holds, %3 and %4 its list's first and last.</extracomment>
        <translation>%1-এ %2 আছে, যা তার তালিকার %3 থেকে %4-এর বাইরে।</translation>
    </message>
    <message>
        <source>%1 has more digits than the field holds.</source>
        <translation>%1-এ ঘরটির ধারণের চেয়ে বেশি অঙ্ক আছে।</translation>
    </message>
    <message>
        <source>%1 is not a number the field holds.</source>
        <translation>%1-এ ঘরটির ধারণযোগ্য সংখ্যা নেই।</translation>
    </message>
    <message>
        <source>%1 is neither True nor False.</source>
        <translation>%1 True-ও নয়, False-ও নয়।</translation>
    </message>
    <message>
        <source>The file ended before its first line.</source>
        <translation>ফাইলটি প্রথম লাইনের আগেই শেষ হয়েছে।</translation>
    </message>
    <message>
        <source>The file ended after line %1 (%2); the lines after it are empty.</source>
        <extracomment>%1 is the last line's number, %2 what it holds ("State").</extracomment>
        <translation>ফাইলটি লাইন %1 (%2)-এর পরে শেষ হয়েছে; পরের লাইনগুলি খালি।</translation>
    </message>
</context>
<context>
    <name>FormMessages</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>অনুগ্রহ করে আপনার নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>অনুগ্রহ করে আপনার শহরের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>অনুগ্রহ করে আপনার রাজ্যের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>অনুগ্রহ করে আপনার দেশের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের দিক বেছে নিন</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের দিক বেছে নিন</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>অনুগ্রহ করে সঠিক তারিখ বা মাস দিন!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>অনুগ্রহ করে সঠিক তারিখ বা মাস দিন!</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude from 0 to 90</source>
        <translation>অনুগ্রহ করে অক্ষাংশের ডিগ্রি ০ থেকে ৯০-এর মধ্যে লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude from 0 to 180</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের ডিগ্রি ০ থেকে ১৮০-র মধ্যে লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude from 0 to 59</source>
        <translation>অনুগ্রহ করে অক্ষাংশের মিনিট ০ থেকে ৫৯-এর মধ্যে লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude from 0 to 59</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের মিনিট ০ থেকে ৫৯-এর মধ্যে লিখুন</translation>
    </message>
    <message>
        <source>Please Enter 0 Minutes of Latitude with 90 Degree (Latitude goes from 0 to 90 Degree)</source>
        <translation>৯০ ডিগ্রির সঙ্গে অক্ষাংশের মিনিট ০ লিখুন (অক্ষাংশ ০ থেকে ৯০ ডিগ্রি পর্যন্ত)</translation>
    </message>
    <message>
        <source>Please Enter 0 Minute of Longitude with 180 Degree (Longitude goes from 0 to 180 Degree)</source>
        <translation>১৮০ ডিগ্রির সঙ্গে দ্রাঘিমাংশের মিনিট ০ লিখুন (দ্রাঘিমাংশ ০ থেকে ১৮০ ডিগ্রি পর্যন্ত)</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>অনুগ্রহ করে শুধু সংখ্যা লিখুন</translation>
    </message>
    <message>
        <source>Please choose the date, the time and the time zone from the lists</source>
        <translation>অনুগ্রহ করে তালিকা থেকে তারিখ, সময় ও সময় অঞ্চল বেছে নিন</translation>
    </message>
</context>
<context>
    <name>LossWarning</name>
    <message>
        <source>%1 will be written as "?"</source>
        <translation>%1 "?" হিসেবে লেখা হবে</translation>
    </message>
    <message>
        <source>%1 will be left out</source>
        <translation>%1 বাদ যাবে</translation>
    </message>
    <message>
        <source>It will be stored empty.</source>
        <translation>এটি খালি রাখা হবে।</translation>
    </message>
    <message>
        <source>It will be stored as "%1".</source>
        <translation>এটি "%1" হিসেবে রাখা হবে।</translation>
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
        <translation>%1 কেবল লাতিন অক্ষর রাখতে পারে, তাই কিছু অক্ষর রাখা যাবে না:</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>তবুও সংরক্ষণ করবেন?</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>তবুও সংরক্ষণ করুন</translation>
    </message>
</context>
<context>
    <name>PlaceClock</name>
    <message>
        <source>unknown to this computer</source>
        <translation>এই কম্পিউটারের অজানা</translation>
    </message>
    <message>
        <source>%1 never occurred</source>
        <translation>%1 কখনো আসেনি</translation>
    </message>
    <message>
        <source>the time came twice; choose the zone by hand</source>
        <translation>সময়টি দুবার এসেছিল; সময় অঞ্চল নিজে বেছে নিন</translation>
    </message>
    <message>
        <source>%1, daylight saving</source>
        <translation>%1, ডেলাইট সেভিং</translation>
    </message>
    <message>
        <source>%1, war time</source>
        <translation>%1, যুদ্ধকালীন সময়</translation>
    </message>
    <message>
        <source>%1, no zone in the list</source>
        <translation>%1, তালিকায় এমন কোনো সময় অঞ্চল নেই</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <extracomment>%1 is the time zone ("Asia/Kolkata"), %2 the date of birth, %3 what its clocks showed.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>This computer's time-zone database does not know the zone %1 of %2. Please choose the time zone and daylight saving by hand.</source>
        <extracomment>%1 is the time zone ("Asia/Kolkata"), %2 the place.</extracomment>
        <translation>এই কম্পিউটারের সময় অঞ্চলের তথ্যভান্ডার %2-এর সময় অঞ্চল %1 চেনে না। অনুগ্রহ করে সময় অঞ্চল ও ডেলাইট সেভিং নিজে বেছে নিন।</translation>
    </message>
    <message>
        <source>The time %1 never occurred in %2 on %3: the clocks were turned forward that night. Please check the time of birth.</source>
        <extracomment>%1 is the time of birth, %2 the place, %3 the date.</extracomment>
        <translation>%3 তারিখে %2-এ %1 সময়টি কখনো আসেনি: সেই রাতে ঘড়ি এগিয়ে দেওয়া হয়েছিল। অনুগ্রহ করে জন্মসময় যাচাই করুন।</translation>
    </message>
    <message>
        <source>In %1 on %2 the clocks were %3 from Greenwich, and no time zone in the list has that offset.</source>
        <extracomment>%1 is the place, %2 the date, %3 the clocks' offset from Greenwich ("+5:45").</extracomment>
        <translation>%2 তারিখে %1-এ ঘড়ি গ্রিনিচ থেকে %3 ছিল, আর তালিকার কোনো সময় অঞ্চলের এই ব্যবধান নেই।</translation>
    </message>
    <message>
        <source>Please choose the time zone in the list by hand.</source>
        <translation>অনুগ্রহ করে তালিকা থেকে সময় অঞ্চল নিজে বেছে নিন।</translation>
    </message>
    <message>
        <source>The clocks of %1 were turned back on %2, so %3 came twice. Which one was the time of birth?</source>
        <extracomment>%1 is the place, %2 the date, %3 the time of birth.</extracomment>
        <translation>%2 তারিখে %1-এর ঘড়ি পিছিয়ে দেওয়া হয়েছিল, তাই %3 দুবার এসেছিল। কোনটি জন্মসময় ছিল?</translation>
    </message>
    <message>
        <source>%1 with daylight saving (%2)</source>
        <extracomment>%1 is the time of birth, %2 the clocks' offset from Greenwich ("-4:00").</extracomment>
        <translation>%1, ডেলাইট সেভিং সহ (%2)</translation>
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
        <translation>অনুগ্রহ করে শহরের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>অনুগ্রহ করে রাজ্যের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>অনুগ্রহ করে দেশের নাম লিখুন</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Application is already running</source>
        <translation>প্রোগ্রামটি আগে থেকেই চলছে</translation>
    </message>
    <message>
        <source>No printer is set up on this computer, so the chart cannot be printed.

Would you like to save the chart as a PDF file instead? You can print that file later.</source>
        <translation>এই কম্পিউটারে কোনো প্রিন্টার যুক্ত নেই, তাই চক্রটি ছাপা যাবে না।

তার বদলে চক্রটি PDF ফাইল হিসেবে সংরক্ষণ করবেন? ফাইলটি পরে ছাপতে পারবেন।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &amp;&amp;  link here. See "Help" for details.    Click Here for more info on co-branding.</source>
        <translation>এই সফটওয়্যারটি আপনার সাইটের জন্য কো-ব্র্যান্ড করুন: এখানে আপনার সাইটের নাম &amp;&amp;  লিংক দিন। বিস্তারিত: "সহায়তা"।    আরও জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>For Analysis of this Rashi chart log onto </source>
        <translation>এই রাশিচক্রের বিশ্লেষণের জন্য দেখুন </translation>
    </message>
    <message>
        <source>Ask about your chart in the Velmora Vedic astrology forum. Click here to join.</source>
        <translation>Velmora বৈদিক জ্যোতিষ ফোরামে আপনার চক্র নিয়ে প্রশ্ন করুন। যোগ দিতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Click here for more info on co-branding.</source>
        <translation>আপনার সাইটের জন্য এই সফটওয়্যারটি কো-ব্র্যান্ড করুন। কো-ব্র্যান্ডিং সম্পর্কে আরও জানতে এখানে ক্লিক করুন।</translation>
    </message>
</context>
<context>
    <name>ReadingFileLines</name>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>দিন</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>বছর</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ঘণ্টা</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>দ্রাঘিমাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>দ্রাঘিমাংশের মিনিট</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>অক্ষাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>অক্ষাংশের মিনিট</translation>
    </message>
    <message>
        <source>East or West</source>
        <translation>পূর্ব না পশ্চিম</translation>
    </message>
    <message>
        <source>North or South</source>
        <translation>উত্তর না দক্ষিণ</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>ডেলাইট সেভিং</translation>
    </message>
    <message>
        <source>City</source>
        <translation>শহর</translation>
    </message>
    <message>
        <source>State</source>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>দেশ</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>No web browser could be opened for this page. Please open it in a web browser yourself:

%1</source>
        <translation>এই পাতার জন্য কোনো ওয়েব ব্রাউজার খোলা গেল না। অনুগ্রহ করে নিজে একটি ব্রাউজারে এটি খুলুন:

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
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করে অনলাইনে আয় করুন। আপনার ওয়েবসাইটের নামে এই সফটওয়্যারটি নিন।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>বিস্তারিত জানতে এখানে ক্লিক করুন</translation>
    </message>
</context>
<context>
    <name>links::frmAbout</name>
    <message>
        <source>Places and their time zones: GeoNames (www.geonames.org), licensed under Creative Commons Attribution 4.0 (CC BY 4.0).</source>
        <translation>জায়গা ও তাদের সময় অঞ্চল: GeoNames (www.geonames.org), Creative Commons Attribution 4.0 (CC BY 4.0) লাইসেন্সে।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 দেখতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Velmora Rashi Chart (East Indian Style) Software shows your Rashi Chart (East Indian version) thereby giving the precise astronomical positions of planets during the time your birth. Vedic Astrology uses this information to forecast important incidents and probable opportunities that might arise in your life. Thus, Velmora Free Rashi Chart (East Indian Style) Software displays the planetary positions in the different signs. This is designed in the East Indian style of preparing Vedic birth charts. Beside the Rashi chart it shows the Navamsa chart and the Vimshottari dasha, finds the place of birth and its clock in a built-in atlas, zooms the chart, and saves it as a reading, a text report, a JPEG picture, a PDF or an SVG drawing, or prints it.</source>
        <translation>Velmora রাশিচক্র (পূর্ব ভারতীয় রীতি) সফটওয়্যার আপনার রাশিচক্র (পূর্ব ভারতীয় রীতিতে) দেখায়, আর তাতে আপনার জন্মের সময়ে গ্রহদের সঠিক জ্যোতির্বৈজ্ঞানিক অবস্থান পাওয়া যায়। বৈদিক জ্যোতিষ এই তথ্য থেকে আপনার জীবনের গুরুত্বপূর্ণ ঘটনা ও সম্ভাব্য সুযোগের পূর্বাভাস দেয়। এভাবে Velmora-র বিনামূল্যের রাশিচক্র (পূর্ব ভারতীয় রীতি) সফটওয়্যার বিভিন্ন রাশিতে গ্রহদের অবস্থান দেখায়। এটি বৈদিক জন্মকুণ্ডলী আঁকার পূর্ব ভারতীয় রীতিতে তৈরি। রাশিচক্রের পাশাপাশি এটি নবাংশ চক্র ও বিংশোত্তরী দশা দেখায়, অন্তর্নির্মিত মানচিত্রসূচি থেকে জন্মস্থান ও সেখানকার ঘড়ির সময় খুঁজে দেয়, চক্র বড়-ছোট করে দেখায়, এবং চক্রটি কোষ্ঠী, টেক্সট রিপোর্ট, JPEG ছবি, PDF বা SVG হিসেবে সংরক্ষণ করে অথবা ছাপে।</translation>
    </message>
</context>
<context>
    <name>ui::ChartWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>নতুন (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>এই নামে সংরক্ষণ (&amp;A)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG সংরক্ষণ (&amp;J)</translation>
    </message>
    <message>
        <source>Save As &amp;SVG</source>
        <translation>SVG হিসেবে সংরক্ষণ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>চক্র টেক্সট হিসেবে রপ্তানি (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>ছাপুন (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ফিরে যান (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>টুলবার (&amp;T)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>বড় করুন (&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ছোট করুন (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>জানালার মাপে (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Rashi Chart</source>
        <translation>রাশিচক্র (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Navamsa Chart</source>
        <translation>নবাংশ চক্র (&amp;N)</translation>
    </message>
    <message>
        <source>Vimshottari &amp;Dasha</source>
        <translation>বিংশোত্তরী দশা (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সহায়তা (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>সফটওয়্যারের নতুন সংস্করণ খুঁজুন (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার পরিচিতি (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>দান করুন (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>অনলাইনে আয় করুন (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>দেখুন (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সহায়তা (&amp;H)</translation>
    </message>
    <message>
        <source>Velmora Astrology Rashi Chart (East Indian Style)</source>
        <translation>Velmora Astrology রাশিচক্র (পূর্ব ভারতীয় রীতি)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>নতুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ছাপুন</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সহায়তা</translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation>PDF হিসেবে সংরক্ষণ (&amp;D)</translation>
    </message>
    <message>
        <source>the reading file</source>
        <translation>কোষ্ঠী ফাইল</translation>
    </message>
    <message>
        <source>the text report</source>
        <translation>টেক্সট রিপোর্ট</translation>
    </message>
    <message>
        <source>The dasha cannot be counted: the Moon's position "%1" cannot be read.</source>
        <translation>দশা গণনা করা যাচ্ছে না: চন্দ্রের অবস্থান "%1" পড়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>চক্র (&amp;C)</translation>
    </message>
    <message>
        <source>Chart &amp;Style</source>
        <translation>চক্রের রীতি (&amp;S)</translation>
    </message>
    <message>
        <source>Divisional Charts T&amp;able</source>
        <translation>বর্গচক্রের তালিকা (&amp;A)</translation>
    </message>
    <message>
        <source>Velmora Astrology Rashi Chart (North Indian Style)</source>
        <translation>Velmora Astrology রাশিচক্র (উত্তর ভারতীয় রীতি)</translation>
    </message>
    <message>
        <source>Velmora Astrology Rashi Chart (South Indian Style)</source>
        <translation>Velmora Astrology রাশিচক্র (দক্ষিণ ভারতীয় রীতি)</translation>
    </message>
</context>
<context>
    <name>ui::DashaWindow</name>
    <message>
        <source>Balance of %1 dasha at birth: %2 years %3 months %4 days</source>
        <translation>জন্মকালে %1 দশার ভোগ্যকাল: %2 বছর %3 মাস %4 দিন</translation>
    </message>
    <message>
        <source>from %1 to %2, running now</source>
        <translation>%1 থেকে %2, এখন চলছে</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 থেকে %2</translation>
    </message>
    <message>
        <source>Vimshottari Dasha - %1</source>
        <translation>বিংশোত্তরী দশা - %1</translation>
    </message>
    <message>
        <source>Mahadashas and their antardashas</source>
        <translation>মহাদশা ও তাদের অন্তর্দশা</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>দশা</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>শুরু</translation>
    </message>
    <message>
        <source>End</source>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>Copy the dasha as text</source>
        <translation>দশা টেক্সট হিসেবে কপি করুন</translation>
    </message>
    <message>
        <source>Save As C&amp;SV</source>
        <translation>CSV হিসেবে সংরক্ষণ (&amp;S)</translation>
    </message>
    <message>
        <source>Save the dasha as a CSV file for spreadsheets</source>
        <translation>স্প্রেডশিটের জন্য দশা CSV ফাইল হিসেবে সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>বন্ধ করুন (&amp;L)</translation>
    </message>
    <message>
        <source>No period of this dasha runs today.</source>
        <translation>আজ এই দশার কোনো পর্ব চলছে না।</translation>
    </message>
    <message>
        <source>Running today: %1, from %2 to %3</source>
        <translation>আজ চলছে: %1, %2 থেকে %3</translation>
    </message>
</context>
<context>
    <name>ui::InputForm</name>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>আগে সংরক্ষিত কোষ্ঠী খুলুন (&amp;O)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>জন্মতারিখ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>জন্মসময়</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>ঘণ্টা/মিনিট</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ডেলাইট সেভিং সময়</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>উত্তর</translation>
    </message>
    <message>
        <source>South</source>
        <translation>দক্ষিণ</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>ডিগ্রি/মিনিট</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>পূর্ব</translation>
    </message>
    <message>
        <source>West</source>
        <translation>পশ্চিম</translation>
    </message>
    <message>
        <source>City</source>
        <translation>শহর</translation>
    </message>
    <message>
        <source>State</source>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>দেশ</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>অক্ষাংশ &amp;&amp; দ্রাঘিমাংশ খুঁজতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>Get My &amp;Rashi Chart (East)</source>
        <translation>আমার রাশিচক্র দেখান (পূর্ব রীতি) (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>আমার রাশিচক্র দেখান (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>প্রস্থান (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>দেখুন (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সহায়তা (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সহায়তা (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>সফটওয়্যারের নতুন সংস্করণ খুঁজুন (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার পরিচিতি (&amp;A)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>দান করুন</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>অনলাইনে আয় করুন (&amp;O)</translation>
    </message>
</context>
<context>
    <name>ui::KeyFilter</name>
    <message>
        <source>Please enter only letters</source>
        <translation>অনুগ্রহ করে শুধু লাতিন অক্ষর লিখুন: কোষ্ঠী ফাইলে বাংলা অক্ষর রাখা যায় না</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>অনুগ্রহ করে শুধু সংখ্যা লিখুন</translation>
    </message>
</context>
<context>
    <name>ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>ভাষা (&amp;L)</translation>
    </message>
</context>
<context>
    <name>ui::PlaceChooser</name>
    <message>
        <source>Several places have this name. Which one?</source>
        <translation>এই নামে একাধিক জায়গা আছে। কোনটি?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>State</source>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>দেশ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>জনসংখ্যা</translation>
    </message>
</context>
<context>
    <name>ui::PositionsMenu</name>
    <message>
        <source>&amp;Positions</source>
        <translation>অবস্থান (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mean Elements</source>
        <translation>গড় উপাদান (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Precise Ephemeris</source>
        <translation>সূক্ষ্ম গ্রহপঞ্জি (&amp;P)</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>অয়নাংশ</translation>
    </message>
    <message>
        <source>&amp;Lahiri</source>
        <translation>লাহিড়ী (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>রমন (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti</source>
        <translation>কৃষ্ণমূর্তি (&amp;K)</translation>
    </message>
    <message>
        <source>True &amp;Chitrapaksha</source>
        <translation>প্রকৃত চিত্রাপক্ষ (&amp;C)</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>পাত</translation>
    </message>
    <message>
        <source>Mean &amp;Node</source>
        <translation>গড় পাত (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>প্রকৃত পাত (&amp;T)</translation>
    </message>
</context>
<context>
    <name>ui::VargaWindow</name>
    <message>
        <source>Divisional Charts - %1</source>
        <translation>বর্গচক্র - %1</translation>
    </message>
    <message>
        <source>Signs of the bodies in the sixteen divisional charts</source>
        <translation>ষোলোটি বর্গচক্রে গ্রহ ও লগ্নের রাশি</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>Copy the table as text</source>
        <translation>তালিকাটি টেক্সট হিসেবে কপি করুন</translation>
    </message>
    <message>
        <source>Save As C&amp;SV</source>
        <translation>CSV হিসেবে সংরক্ষণ (&amp;S)</translation>
    </message>
    <message>
        <source>Save the table as a CSV file for spreadsheets</source>
        <translation>স্প্রেডশিটের জন্য তালিকাটি CSV ফাইল হিসেবে সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>বন্ধ করুন (&amp;L)</translation>
    </message>
</context>
</TS>
